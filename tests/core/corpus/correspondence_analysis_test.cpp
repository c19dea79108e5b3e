// The correspondence analysis against a singular value decomposition of the table computed
// here, and its bounds: the forms kept, the parts left out, the tables without factors.
#include "core/corpus/correspondence_analysis.h"

#include <Eigen/Dense>
#include <gtest/gtest.h>

#include <numeric>
#include <string>

namespace quorvelle {
namespace {

// Four parts of uneven sizes and profiles; "rare" has fewer than 3 attestations.
Corpus fourParts()
{
    return joinedCorpus({{"p1", "a a a a b b c d rare"},
                         {"p2", "a b b b b c c d"},
                         {"p3", "a b c c c c c d d d d rare"},
                         {"p4", "a a b c d d d d d d"}});
}

TEST(CorrespondenceAnalysis, AgreesWithTheSingularValuesOfTheStandardisedResiduals)
{
    const LexicalTable table = lexicalTable(fourParts(), partition(fourParts()));
    const CorrespondenceAnalysis analysis = correspondenceAnalysis(table, 3);
    ASSERT_EQ(analysis.forms.size(), 4U); // a, b, c, d
    ASSERT_EQ(analysis.parts.size(), 4U);

    // The counts of the forms kept, read from the table, and S = Dr^-1/2 (P - r c') Dc^-1/2.
    Eigen::MatrixXd counts(4, 4);
    for (Eigen::Index row = 0; row < 4; ++row)
        for (Eigen::Index column = 0; column < 4; ++column)
            counts(row, column) = static_cast<double>(table.columns[static_cast<std::size_t>(column)].count(
                *table.forms.find(std::string(1, static_cast<char>('a' + row)))));
    const Eigen::MatrixXd shares = counts / counts.sum();
    const Eigen::VectorXd r = shares.rowwise().sum();
    const Eigen::VectorXd c = shares.colwise().sum().transpose();
    Eigen::MatrixXd residuals(4, 4);
    for (Eigen::Index i = 0; i < 4; ++i)
        for (Eigen::Index j = 0; j < 4; ++j)
            residuals(i, j) = (shares(i, j) - r(i) * c(j)) / std::sqrt(r(i) * c(j));
    const Eigen::JacobiSVD<Eigen::MatrixXd> svd(residuals, Eigen::ComputeFullU | Eigen::ComputeFullV);

    // Four parts give at most three factors.
    ASSERT_EQ(analysis.factors.size(), 3U);
    double cumulative = 0;
    for (std::size_t k = 0; k < 3; ++k) {
        const auto factor = static_cast<Eigen::Index>(k);
        const double eigenvalue = svd.singularValues()(factor) * svd.singularValues()(factor);
        EXPECT_NEAR(analysis.factors[k].eigenvalue, eigenvalue, 1e-12);
        cumulative += analysis.factors[k].share;
        EXPECT_NEAR(analysis.factors[k].cumulativeShare, cumulative, 1e-12);
        // Principal coordinates, up to the factor's sign.
        const double sign = analysis.parts[0].coordinates[k] * svd.matrixV()(0, factor) > 0 ? 1 : -1;
        double partContributions = 0;
        double formContributions = 0;
        for (Eigen::Index j = 0; j < 4; ++j) {
            const FactorPoint& part = analysis.parts[static_cast<std::size_t>(j)];
            EXPECT_NEAR(part.coordinates[k], sign * svd.singularValues()(factor) * svd.matrixV()(j, factor) / std::sqrt(c(j)),
                        1e-12);
            partContributions += part.contributions[k];
        }
        for (Eigen::Index i = 0; i < 4; ++i) {
            const FactorPoint& form = analysis.forms[static_cast<std::size_t>(i)];
            EXPECT_EQ(form.name, std::string(1, static_cast<char>('a' + i)));
            EXPECT_NEAR(form.coordinates[k], sign * svd.singularValues()(factor) * svd.matrixU()(i, factor) / std::sqrt(r(i)),
                        1e-12);
            formContributions += form.contributions[k];
        }
        EXPECT_NEAR(partContributions, 1, 1e-12);
        EXPECT_NEAR(formContributions, 1, 1e-12);
    }
    EXPECT_NEAR(cumulative, 1, 1e-12);
    // Every factor shown: a point's squared cosines add up to 1.
    for (const FactorPoint& part : analysis.parts)
        EXPECT_NEAR(std::accumulate(part.cos2.begin(), part.cos2.end(), 0.0), 1, 1e-12);
}

TEST(CorrespondenceAnalysis, TablesTooSmallOrAlikeHaveNoFactor)
{
    // A part without any form kept is left out of the analysis.
    const Corpus corpus = joinedCorpus({{"p1", "a a b b"}, {"p2", "a b b b"}, {"p3", "c"}});
    const CorrespondenceAnalysis analysis = correspondenceAnalysis(lexicalTable(corpus, partition(corpus)), 2);
    EXPECT_EQ(analysis.partsLeftOut, (std::vector<std::string>{"p3"}));
    EXPECT_EQ(analysis.factors.size(), 1U);
    EXPECT_EQ(analysis.parts.size(), 2U);

    const Corpus alike = joinedCorpus({{"p1", "a b b"}, {"p2", "a a b b b b"}});
    EXPECT_TRUE(correspondenceAnalysis(lexicalTable(alike, partition(alike)), 1).factors.empty());
    EXPECT_TRUE(correspondenceAnalysis(lexicalTable(alike, partition(alike)), 3).factors.empty()); // one form
}

} // namespace
} // namespace quorvelle
