// The dialogs on the desktop: real GTK widgets placed from the dialog
// template (GtkDialogPresenter), and GTK's own file chooser for the file
// dialog (GtkFileDialogPresenter). The widgets live on the GTK session's
// thread; what the user does there comes back to the UI thread as the calls
// a scripted answer makes (a click, typed text, a key, the close box, a
// scroll), and the controls' state as the dialog's code leaves it goes back
// to the widgets. While a dialog is up, the UI thread keeps serving the
// messages other threads send it. Headless, or when GTK cannot open the
// display, each request goes to the scripted presenter.
#pragma once

#include "platform/Dialog.h"
#include "platform/FileDialog.h"

// The presenters app/ installs at start-up.
cDialogPresenter& GtkDialogPresenter();
cFileDialogPresenter& GtkFileDialogPresenter();

// Where a control of the template stands in the dialog's window: dialog
// units to pixels (the dialog font's average character cell).
int DialogUnitsToPixelsX(int units);
int DialogUnitsToPixelsY(int units);
