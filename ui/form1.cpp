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
    setFixedSize(ui::toPixels({0, 0, 10800, 5835}).size());

    ui::buildWindow(this);
    c_ = ui::findFormControls(this);
    w_ = ui::findWindowControls(this);
    bindHandlers();

    Form_Load();
}

ui::MsgAnswer Form1::ask(const ui::MessageBoxRequest &request)
{
    return boxes_.ask(this, request);
}

config::ErrorReporter Form1::errorReporter()
{
    return [this](const QString &operation) { ErReason(operation); };
}
