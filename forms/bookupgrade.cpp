#include "bookupgrade.h"
#include "messagebox.h"
#include "schemaupgrade.h"

#include <QCoreApplication>
#include <QElapsedTimer>
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
        // Events run only once the window is due, to show and paint it:
        // a quick upgrade lets no timer or handler in meanwhile.
        QElapsedTimer clock;
        clock.start();
        upgraded = SchemaUpgrade::upgrade(*session, [&dialog, &clock](int step, int count) {
            if (clock.elapsed() < dialog.minimumDuration())
                return;
            dialog.setMaximum(count);
            dialog.setValue(step);
            dialog.show();
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        });
    }
    if (upgraded)
        return true;
    MessageBox::show(parent, SchemaUpgrade::failureText(upgraded.error()));
    return false;
}
