#pragma once
// The blocking boxes: the message box and the open-file dialog.
#include "platform/gui/Backend.h"

class QWidget;

// Shows the box modally over its owner window; returns the model's answer (mrYes,
// mrNo, mrOk, mrCancel). Escape or the close box gives Cancel, else No, when the
// box offers them.
int RunMessageBox(const MessageBoxRequest& request, QWidget* owner);

// Runs the open dialog over its owner window in the folder of the dialog's file
// name with its filter index chosen; on confirm stores the path and the chosen
// filter, returns true.
bool RunOpenDialog(TOpenDialog& dialog, QWidget* owner);
