#pragma once
// Everything a window of the program is built from.
#include "platform/gui/Application.h"
#include "platform/gui/Controls.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/Form.h"
#include "platform/gui/Menus.h"
#include "platform/gui/Shell.h"
#include "platform/text/Conversions.h"
#include "platform/text/Exceptions.h"
#include "platform/text/StringList.h"
