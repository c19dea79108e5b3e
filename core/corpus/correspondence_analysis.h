// The correspondence analysis of a corpus's lexical table: the factors that best set its parts
// and their forms apart, and where each part and form stands on them.
#pragma once

#include "core/corpus/lexical_table.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace quorvelle {

/// By default, the analysis keeps the forms of at least this many attestations in the corpus.
inline constexpr std::int64_t defaultAnalysisMinFrequency = 10;

/// The most factors whose coordinates the analysis gives.
inline constexpr std::size_t mostFactors = 10;

/// A part or a form on the factors: one value per factor for each of its lists.
struct FactorPoint {
    std::string name;
    double mass = 0; ///< its share of the analysed table's attestations
    /// Principal coordinates: the point's place on each factor.
    std::vector<double> coordinates;
    /// The share of each factor's eigenvalue the point makes: on a factor they sum to 1 over
    /// the parts, and to 1 over the forms.
    std::vector<double> contributions;
    /// The squared cosine of the point with each factor: how much of its distance to the
    /// centre of the cloud the factor shows, from 0 to 1.
    std::vector<double> cos2;
};

/// A factor: its eigenvalue, the inertia it shows, and its share of the total inertia.
struct Factor {
    double eigenvalue = 0;
    double share = 0;           ///< from 0 to 1
    double cumulativeShare = 0; ///< this factor's share and those of the factors before it
};

struct CorrespondenceAnalysis {
    std::int64_t minFrequency = defaultAnalysisMinFrequency;
    /// One factor for every non-zero eigenvalue, by eigenvalue decreasing.
    std::vector<Factor> factors;
    double totalInertia = 0; ///< the eigenvalues' sum, the table's χ² over its attestations
    /// The analysed columns, in corpus order.
    std::vector<FactorPoint> parts;
    /// The forms of at least minFrequency attestations in the corpus, in alphabetical order.
    std::vector<FactorPoint> forms;
    /// The columns without any of those forms, which the analysis cannot place.
    std::vector<std::string> partsLeftOut;

    /// The factors the points have values for: the first ones, mostFactors at most.
    std::size_t pointFactorCount() const;
};

/// The analysis of the table restricted to the forms of at least minFrequency attestations in
/// the corpus (the masses those of that table). It has no factor when fewer than two columns
/// or two forms remain, or when every column uses the forms alike. The sign of each factor is
/// arbitrary; here the point furthest from the centre, parts and forms alike, is positive.
CorrespondenceAnalysis correspondenceAnalysis(const LexicalTable& table,
                                              std::int64_t minFrequency = defaultAnalysisMinFrequency);

} // namespace quorvelle
