// Code page 1252 conversion, the French number text, and Qt's French dialogs.
#include "tests/ui/ui_test_support.h"
#include "ui/cp1252_text.h"
#include "ui/number_text.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

using namespace quorvelle;

class tst_conversions : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { test::setUpWindowTests(); }

    void everyByteRoundTrips()
    {
        std::string all;
        for (int byte = 0; byte < 256; ++byte)
            all.push_back(static_cast<char>(byte));
        const QString text = ui::fromCp1252(all);
        QCOMPARE(text.size(), 256);
        QCOMPARE(text.at(0x80), QChar(0x20AC));
        QCOMPARE(text.at(0x92), QChar(0x2019));
        QCOMPARE(text.at(0xE9), QChar(0xE9));
        QVERIFY(ui::toCp1252(text) == all);
    }

    void charactersToCodePage_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("ascii and accents") << QStringLiteral("Été, là") << QByteArray("\xC9t\xE9, l\xE0");
        QTest::newRow("euro and apostrophe") << QStringLiteral("€’…") << QByteArray("\x80\x92\x85");
        QTest::newRow("undefined byte kept") << QStringLiteral("\u0081\u009D") << QByteArray("\x81\x9D");
        QTest::newRow("outside the code page") << QStringLiteral("Őz") << QByteArray("\x1Az");
        QTest::newRow("surrogate pair is one character") << QString::fromUtf8("a\xF0\x9F\x98\x80" "b")
                                                         << QByteArray("a\x1A" "b");
        QTest::newRow("lone surrogate") << QString(QChar(0xD800)) << QByteArray("\x1A");
    }

    void charactersToCodePage()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(QByteArray::fromStdString(ui::toCp1252(text)), bytes);
    }

    void numbersFollowAnotherLocale()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        const QString text = ui::numberText(12.5);
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
        QCOMPARE(text, QStringLiteral("12.5"));
    }

    void qtDialogsSpeakFrench()
    {
        QMessageBox box(QMessageBox::NoIcon, QString(), QString(), QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(box.button(QMessageBox::Yes)->text(), QStringLiteral("&Oui"));
        QCOMPARE(box.button(QMessageBox::No)->text(), QStringLiteral("&Non"));

        QFileDialog dialog;
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        const auto* buttons = dialog.findChild<QDialogButtonBox*>();
        QVERIFY(buttons);
        QCOMPARE(buttons->button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Annuler"));
    }
};

QTEST_MAIN(tst_conversions)
#include "tst_conversions.moc"
