#pragma once

void initPictureResources();
