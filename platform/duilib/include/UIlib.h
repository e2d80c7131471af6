// The skinned UI library: everything a window of the launcher uses.
#pragma once

#include <windows.h>

#include "Utils/Utils.h"
#include "Core/UIDefine.h"
#include "Core/UIManager.h"
#include "Core/UIBase.h"
#include "Core/UIControl.h"
#include "Core/UIContainer.h"
#include "Core/UIDlgBuilder.h"
#include "Core/UIResourceManager.h"
#include "Core/UIRender.h"
#include "Layout/UIVerticalLayout.h"
#include "Layout/UIHorizontalLayout.h"
#include "Control/UILabel.h"
#include "Control/UIText.h"
#include "Control/UIButton.h"
#include "Utils/WinImplBase.h"
#include "Utils/UITrayIcon.h"
