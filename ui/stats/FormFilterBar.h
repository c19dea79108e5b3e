// The bar above a list of forms: a filter box that narrows its rows as the user types, the
// count of rows shown, and « Sans les mots-outils » where the list offers it.
#pragma once

#include "core/text/form_filter.h"
#include "core/text/function_words.h"
#include "core/text/letters.h"

#include <QWidget>

#include <cstddef>
#include <functional>
#include <numeric>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;

namespace quorvelle::ui {

/// Filters a list's rows by what is typed (see FormFilter): live, each keystroke emits
/// changed(), and the window shows the rows shownAmong gives. Échap in the box clears it.
/// Where function words are offered, « Sans les mots-outils » leaves out the rows whose forms
/// are all the user's function words (see savedFunctionWords).
class FormFilterBar final : public QWidget {
    Q_OBJECT
public:
    enum class FunctionWordChoice { Offered, NotOffered };

    FormFilterBar(LetterRule letters, FunctionWordChoice choice, QWidget* parent);

    /// The places among candidates (places in rows, the rows the list shows without the bar, in
    /// its order) whose rows the bar lets through, by the text of their member text: a form, forms
    /// lower-cased and joined by single spaces, or a line of text (code page 1252). Says how many
    /// out of how many.
    template <class Row, class Text>
    std::vector<std::size_t> shownAmong(std::vector<std::size_t> candidates, std::span<const Row> rows, Text Row::*text)
    {
        return kept(std::move(candidates), [this, rows, text](std::size_t place) { return passes(rows[place].*text); });
    }

    /// The same where lineOf(place) makes the text of a row: a concordance line, whose forms
    /// around the occurrence the filter reads too.
    std::vector<std::size_t> shownAmong(std::vector<std::size_t> candidates,
                                        const std::function<std::string(std::size_t place)>& lineOf);

    /// The same among all rows, in their order.
    template <class Row, class Text>
    std::vector<std::size_t> shownOf(std::span<const Row> rows, Text Row::*text)
    {
        std::vector<std::size_t> places(rows.size());
        std::iota(places.begin(), places.end(), std::size_t{0});
        return shownAmong(std::move(places), rows, text);
    }

    QLineEdit* filterBox;
    QCheckBox* functionWordsCheck = nullptr; ///< null where function words are not offered
    QLabel* rowCountLabel;

signals:
    /// What the bar lets through has changed: the window shows its rows again.
    void changed();

private:
    /// The candidates that pass, the count of them said.
    std::vector<std::size_t> kept(std::vector<std::size_t> candidates, const std::function<bool(std::size_t)>& passing);
    /// Whether a row of this text passes the filter and the function words.
    bool passes(std::string_view text) const;
    /// Reads the box: a word that is no pattern keeps the previous filter, and is said.
    void readFilter();
    /// Takes the user's function words when the box is checked.
    void readFunctionWordChoice();

    LetterRule letters_;
    FormFilter filter_;
    std::optional<FunctionWords> setAside_; ///< none when function words are kept
    QString problem_;                       ///< why the box's text is no filter; empty when it is one
    QAction* clearAction_;
};

} // namespace quorvelle::ui
