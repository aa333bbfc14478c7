#pragma once

// The utility routines the windows call; the container file routines live in ContainerFiles.
#include "brand/ContainerFiles.h"
// OpenInDefaultBrowser, over the desktop's default http handler.
#include "platform/DefaultBrowser.h"
