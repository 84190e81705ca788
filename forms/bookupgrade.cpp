#include "bookupgrade.h"
#include "messagebox.h"
#include "schemaupgrade.h"

#include <QCoreApplication>
#include <QProgressDialog>

bool BookUpgrade::run(QWidget* parent)
{
    DbStatus upgraded;
    {
        auto session = Database::open();
        if (!session)
            return true;
        QProgressDialog dialog(QStringLiteral("正在升级数据库，请稍候……"), QString(), 0, 1, parent);
        dialog.setWindowTitle(QStringLiteral("数据库升级"));
        dialog.setWindowModality(Qt::ApplicationModal);
        dialog.setCancelButton(nullptr);
        dialog.setMinimumDuration(1000);
        dialog.setAutoClose(false);
        // The dialog's own timer shows it after a second; events run between
        // the engine's steps so that it can, and then stays painted.
        upgraded = SchemaUpgrade::upgrade(*session, [&dialog](int step, int count) {
            if (dialog.maximum() != count) {
                dialog.setMaximum(count);
                dialog.setValue(0);
            }
            if (dialog.value() != step)
                dialog.setValue(step);
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        });
    }
    if (upgraded)
        return true;
    MessageBox::show(parent, SchemaUpgrade::failureText(upgraded.error()));
    return false;
}
