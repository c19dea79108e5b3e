// What the window tests share: the French set-up, answering modal windows, test files.
#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <functional>

class QWidget;

namespace quorvelle::test {

/// French locale and Qt translations, the program's resources, and message boxes answered
/// by the tests instead of shown. Call from initTestCase.
void setUpWindowTests();

/// Runs inspect on the next modal window that opens, then closes it, so that the exec() that
/// showed it returns. Call before the action that opens the window.
void closeNextModalWindow(std::function<void(QWidget* window)> inspect);

/// Writes bytes to a file named name in directory; returns its path.
QString writeFile(const QTemporaryDir& directory, const QString& name, const QByteArray& bytes);

/// Code page 1252 bytes of a UTF-8 literal, for writing test texts.
QByteArray cp1252(const char* utf8);

} // namespace quorvelle::test
