// The missing dictionary's message.
#include "ui/missing_dictionary.h"

#include "ui/MessageBox.h"

namespace quorvelle::ui {

void reportMissingDictionary(QWidget* parent, const QString& title, const DictionaryError& error)
{
    // The core's message goes after a program's name on the command line: a sentence here.
    QString message = QString::fromUtf8(error.what());
    if (!message.isEmpty())
        message[0] = message[0].toUpper();
    MessageBox::warning(parent, title, message);
}

} // namespace quorvelle::ui
