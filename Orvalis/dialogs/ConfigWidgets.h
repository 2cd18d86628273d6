// Building blocks shared by the configuration windows: labels, buttons,
// boxes and pictures named after their controls.
#pragma once

#include <QString>

class QCheckBox;
class QComboBox;
class QEvent;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace ConfigWidgets {

// The name of element `index` of a control array: "TxtParamUT(3)".
QString Indexed(const char* control, int index);

QLabel* Label(const QString& text, const QString& name);
// A text that wraps over several lines.
QLabel* HelpText(const QString& text, const QString& name);
// A picture of the dialog's resources (":/config/...svg") at `size` pixels.
QLabel* Picture(const QString& resource, int size, const QString& name);
// A button with its tip and the pointing-hand pointer.
QPushButton* Button(const QString& text, const QString& tip, const QString& name);
QLineEdit* Box(const QString& tip, const QString& name);
QGroupBox* Frame(const QString& title, const QString& name);
QCheckBox* Check(const QString& text, const QString& tip, const QString& name);
// A drop-down list as wide as its longest entry.
QComboBox* List(const QString& tip, const QString& name);

// The tab control SSTab, as wide as all its tabs.
QTabWidget* Tabs();

// True for a focus-out event within the window; a focus lost to another
// window (a message box) or to a menu is not checked.
bool FocusLostWithin(const QEvent* event);

// A box open to typing is drawn in the window-background colour, a locked
// or disabled one in the button-face colour.
void PaintBox(QLineEdit* box, bool typing);

} // namespace ConfigWidgets
