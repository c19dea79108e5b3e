// The totals of a text's vocabulary, as the vocabulary and frequency windows show them.
#pragma once

#include <QGroupBox>
#include <QList>

#include <cstdint>
#include <optional>

class QLabel;

namespace quorvelle::ui {

/// The frame "Statistiques" (totalsFrame): N, D and the mean frequency of attestation
/// (totalFormsValue, distinctFormsValue, meanFrequencyValue) beside their captions
/// (totalFormsCaption, distinctFormsCaption, meanFrequencyCaption, the last with its tooltip).
class VocabularyTotals final : public QGroupBox {
    Q_OBJECT
public:
    explicit VocabularyTotals(QWidget* parent);

    /// An undefined mean, for a text without forms, leaves its label empty.
    void showTotals(std::int64_t tokenCount, std::int64_t distinctCount, std::optional<double> meanFrequency);

    /// The value labels, in the order of the catalogue's vocabulary totals.
    const QList<QLabel*>& values() const { return values_; }

private:
    QList<QLabel*> values_;
};

} // namespace quorvelle::ui
