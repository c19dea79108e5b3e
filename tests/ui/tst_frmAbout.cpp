// The about box: its texts, OK, and the system information command.
#include "tests/ui/ui_test_support.h"
#include "ui/message_box.h"
#include "ui/shell/frmAbout.h"

#include <QFile>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace quorvelle;
using ui::MessageBox;

class tst_frmAbout : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        test::setUpWindowTests();
        savedPath_ = qgetenv("PATH");
    }

    void cleanup() { qputenv("PATH", savedPath_); }

    void texts()
    {
        ui::frmAbout about(nullptr);
        QCOMPARE(about.windowTitle(), QStringLiteral("Projet Parvane Dorlesca - A propos de"));
        QCOMPARE(test::labelTexts(about, {"Label1", "Label2", "lblVersion", "lblDisclaimer"}),
                 QStringLiteral("Quorvelle|Quorvelle|Version 2.0.0|"));
        QCOMPARE(button(about, "cmdOK")->text(), QStringLiteral("OK"));
        QCOMPARE(button(about, "cmdSysInfo")->text(), QStringLiteral("&Infos système..."));

        auto* credits = about.findChild<QGroupBox*>(QStringLiteral("Frame1"));
        QCOMPARE(credits->title(), QStringLiteral("Crédits"));
        auto* rows = qobject_cast<QFormLayout*>(credits->layout());
        QStringList captions;
        for (int row = 0; row < rows->rowCount(); ++row) {
            captions << qobject_cast<QLabel*>(rows->itemAt(row, QFormLayout::LabelRole)->widget())->text();
            QVERIFY(!qobject_cast<QLabel*>(rows->itemAt(row, QFormLayout::FieldRole)->widget())->text().isEmpty());
        }
        QCOMPARE(captions, QStringList({"Responsable: ", "Réalisation :", "Courriel:", "Site:"}));
    }

    void systemInformation_data()
    {
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<QString>("started");
        QTest::newRow("none") << QStringList() << QString();
        QTest::newRow("hardinfo") << QStringList{"hardinfo"} << "hardinfo";
        QTest::newRow("first one wins") << QStringList({"kinfocenter", "hardinfo"}) << "kinfocenter";
    }

    // The tools looked for on PATH are replaced by scripts that leave a mark when started
    // (with nothing else on PATH, the script uses only the shell).
    void systemInformation()
    {
        QFETCH(QStringList, installed);
        QFETCH(QString, started);
        QTemporaryDir tools;
        for (const QString& tool : installed) {
            const QString mark = tools.filePath(tool + QStringLiteral(".started"));
            const QString script = test::writeFile(tools, tool, QStringLiteral("#!/bin/sh\n: > '%1'\n").arg(mark).toUtf8());
            QFile::setPermissions(script, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        }
        qputenv("PATH", QFile::encodeName(tools.path()));
        MessageBox::takeShownMessages();

        ui::frmAbout about(nullptr);
        QTest::mouseClick(button(about, "cmdSysInfo"), Qt::LeftButton);

        const QList<ui::ShownMessage> shown = MessageBox::takeShownMessages();
        if (started.isEmpty()) {
            QCOMPARE(shown.size(), 1);
            QCOMPARE(shown[0].title, QStringLiteral("Quorvelle"));
            QCOMPARE(shown[0].text, QStringLiteral("Les informations système ne sont pas disponibles actuellement"));
            QCOMPARE(shown[0].buttons, QMessageBox::Ok);
            QCOMPARE(shown[0].icon, QMessageBox::NoIcon);
            return;
        }
        QVERIFY(shown.isEmpty());
        QTRY_VERIFY(QFile::exists(tools.filePath(started + QStringLiteral(".started"))));
        for (const QString& tool : installed) {
            if (tool != started)
                QVERIFY(!QFile::exists(tools.filePath(tool + QStringLiteral(".started"))));
        }
    }

private:
    static QPushButton* button(const QWidget& window, const char* name)
    {
        return window.findChild<QPushButton*>(QString::fromLatin1(name));
    }

    QByteArray savedPath_;
};

QTEST_MAIN(tst_frmAbout)
#include "tst_frmAbout.moc"
