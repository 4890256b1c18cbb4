// The Windows layer's system interface in one include: kernel, windows and messages, GDI.
#pragma once

#include "win/WinBase.h"
#include "win/WinTypes.h"
#include "win/WinUser.h"
#include "win/WinGdi.h"
