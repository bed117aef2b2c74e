#include "form1.h"

#include "pictures.h"

Form1::Form1(ui::MessageBoxes &boxes, QWidget *parent) : QWidget(parent), boxes_(boxes)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Ostraval Configuration Utility"));
    setWindowIcon(ui::windowIcon());
    QFont dialogFont = font();
    dialogFont.setPointSizeF(8);
    setFont(dialogFont);

    // The layout follows the screen's logical resolution, as the fonts do.
    const ui::ControlIndex controls = ui::buildWindow(this, logicalDpiY());
    c_ = ui::findFormControls(controls);
    w_ = ui::findWindowControls(controls);
    bindHandlers();

    Form_Load();
}

ui::MsgAnswer Form1::ask(const ui::MessageBoxRequest &request)
{
    return boxes_.ask(this, request);
}

config::ErrorReporter Form1::errorReporter()
{
    return [this](const char *operation) { ErReason(QString::fromLatin1(operation)); };
}
