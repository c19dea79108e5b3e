// Shared set-up and helpers of the window tests.
#include "tests/ui/ui_test_support.h"

#include "ui/application.h"
#include "ui/cp1252_text.h"
#include "ui/message_box.h"

#include <QApplication>
#include <QFile>
#include <QLocale>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace quorvelle::test {
namespace {

constexpr int modalPollMs = 10;

} // namespace

void setUpWindowTests()
{
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    ui::initResources();
    ui::installFrenchTranslations(*QCoreApplication::instance());
    ui::MessageBox::answerInsteadOfUser();
}

void closeNextModalWindow(std::function<void(QWidget* window)> inspect)
{
    // Polls from the event loop that the modal window's exec() runs.
    auto* poll = new QTimer(QCoreApplication::instance());
    poll->setInterval(modalPollMs);
    QPointer<QWidget> before = QApplication::activeModalWidget();
    QObject::connect(poll, &QTimer::timeout, poll, [poll, before, inspect = std::move(inspect)] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == before)
            return;
        poll->stop();
        poll->deleteLater();
        inspect(modal);
        modal->close();
    });
    poll->start();
}

QString writeFile(const QTemporaryDir& directory, const QString& name, const QByteArray& bytes)
{
    const QString path = directory.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write the test file %s", qPrintable(path));
    return path;
}

QByteArray cp1252(const char* utf8)
{
    const std::string bytes = ui::toCp1252(QString::fromUtf8(utf8));
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

} // namespace quorvelle::test
