#include "platform/QtMessageBox.h"

#include <QMessageBox>

namespace veltrin {

void QtMessageBox::information(QWidget* owner, const QString& text, const QString& detail)
{
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Veltrin"), text, QMessageBox::Ok, owner);
    box.setTextFormat(Qt::PlainText);
    if (!detail.isEmpty())
        box.setInformativeText(detail);
    box.exec();
}

} // namespace veltrin
