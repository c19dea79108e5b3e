// Correspondence analysis by the eigendecomposition of the standardised residuals' cross-product.
#include "core/corpus/correspondence_analysis.h"

#include <Eigen/Dense>

#include <algorithm>
#include <cmath>

namespace quorvelle {
namespace {

// Eigenvalues below this share of the largest are rounding, not inertia.
constexpr double negligibleEigenvalueShare = 1e-10;
// Nor is any below this, however small the largest: columns that use the forms alike.
constexpr double negligibleEigenvalue = 1e-14;

// The table restricted to the frequent forms, as counts: a row per form, a column per part
// that holds any of them.
struct AnalysedTable {
    std::vector<FormTable::Id> forms;
    std::vector<std::size_t> columns;
    Eigen::MatrixXd counts;
};

AnalysedTable restrictedTable(const LexicalTable& table, std::int64_t minFrequency)
{
    AnalysedTable analysed;
    std::vector<std::int64_t> row(table.forms.size(), -1);
    for (const FormTable::Id id : table.alphabetical) {
        if (table.forms.count(id) >= minFrequency) {
            row[id] = static_cast<std::int64_t>(analysed.forms.size());
            analysed.forms.push_back(id);
        }
    }
    for (std::size_t place = 0; place < table.columns.size(); ++place) {
        const auto& counts = table.columns[place].counts;
        if (std::ranges::any_of(counts, [&](const FormInColumn& entry) { return row[entry.form] >= 0; }))
            analysed.columns.push_back(place);
    }
    analysed.counts = Eigen::MatrixXd::Zero(static_cast<Eigen::Index>(analysed.forms.size()),
                                            static_cast<Eigen::Index>(analysed.columns.size()));
    for (Eigen::Index column = 0; column < analysed.counts.cols(); ++column)
        for (const FormInColumn& entry : table.columns[analysed.columns[static_cast<std::size_t>(column)]].counts)
            if (row[entry.form] >= 0)
                analysed.counts(row[entry.form], column) = static_cast<double>(entry.count);
    return analysed;
}

// A point's values on the factors from its coordinates, mass and squared distance to the centre.
FactorPoint factorPoint(std::string name, double mass, const Eigen::VectorXd& coordinates, double distance2,
                        const std::vector<double>& eigenvalues)
{
    FactorPoint point{std::move(name), mass, {}, {}, {}};
    for (Eigen::Index factor = 0; factor < coordinates.size(); ++factor) {
        const double squared = coordinates(factor) * coordinates(factor);
        point.coordinates.push_back(coordinates(factor));
        point.contributions.push_back(mass * squared / eigenvalues[static_cast<std::size_t>(factor)]);
        point.cos2.push_back(distance2 > 0 ? squared / distance2 : 0);
    }
    return point;
}

} // namespace

std::size_t CorrespondenceAnalysis::pointFactorCount() const
{
    return std::min(factors.size(), mostFactors);
}

CorrespondenceAnalysis correspondenceAnalysis(const LexicalTable& table, std::int64_t minFrequency)
{
    CorrespondenceAnalysis analysis;
    analysis.minFrequency = minFrequency;
    const AnalysedTable analysed = restrictedTable(table, minFrequency);
    for (std::size_t place = 0; place < table.columns.size(); ++place)
        if (!std::ranges::binary_search(analysed.columns, place))
            analysis.partsLeftOut.push_back(table.columns[place].name);
    if (analysed.counts.rows() < 2 || analysed.counts.cols() < 2)
        return analysis;

    // P = N / n, its row masses r and column masses c, and the standardised residuals
    // S = Dr^-1/2 (P - r c') Dc^-1/2, whose singular values squared are the eigenvalues.
    const Eigen::MatrixXd shares = analysed.counts / analysed.counts.sum();
    const Eigen::VectorXd rowMasses = shares.rowwise().sum();
    const Eigen::VectorXd columnMasses = shares.colwise().sum().transpose();
    const Eigen::VectorXd rowScale = rowMasses.cwiseSqrt().cwiseInverse();
    const Eigen::VectorXd columnScale = columnMasses.cwiseSqrt().cwiseInverse();
    const Eigen::MatrixXd residuals =
        rowScale.asDiagonal() * (shares - rowMasses * columnMasses.transpose()) * columnScale.asDiagonal();

    // S'S = V Λ V', the columns' side, as small as the parts are few.
    const Eigen::SelfAdjointEigenSolver<Eigen::MatrixXd> solver(residuals.transpose() * residuals);
    const Eigen::VectorXd& ascending = solver.eigenvalues();
    const double largest = std::max(ascending.maxCoeff(), 0.0);
    const double negligible = std::max(negligibleEigenvalue, largest * negligibleEigenvalueShare);
    std::vector<Eigen::Index> kept;
    for (Eigen::Index index = ascending.size() - 1; index >= 0 && ascending(index) > negligible; --index)
        kept.push_back(index);
    std::vector<double> eigenvalues;
    for (const Eigen::Index index : kept)
        eigenvalues.push_back(ascending(index));
    for (const double eigenvalue : eigenvalues)
        analysis.totalInertia += eigenvalue;
    double cumulative = 0;
    for (const double eigenvalue : eigenvalues) {
        cumulative += eigenvalue;
        analysis.factors.push_back({eigenvalue, eigenvalue / analysis.totalInertia, cumulative / analysis.totalInertia});
    }
    if (kept.empty())
        return analysis;

    // Principal coordinates of the columns G = Dc^-1/2 V Σ, and of the rows F = Dr^-1/2 S V.
    const auto pointFactors = static_cast<Eigen::Index>(analysis.pointFactorCount());
    Eigen::MatrixXd vectors(residuals.cols(), pointFactors);
    for (Eigen::Index factor = 0; factor < pointFactors; ++factor)
        vectors.col(factor) = solver.eigenvectors().col(kept[static_cast<std::size_t>(factor)]);
    const Eigen::VectorXd singularValues =
        Eigen::Map<const Eigen::VectorXd>(eigenvalues.data(), pointFactors).cwiseSqrt();
    Eigen::MatrixXd columnCoordinates = columnScale.asDiagonal() * vectors * singularValues.asDiagonal();
    Eigen::MatrixXd rowCoordinates = rowScale.asDiagonal() * residuals * vectors;

    // Each factor turned so that its point furthest from the centre is on the positive side.
    for (Eigen::Index factor = 0; factor < pointFactors; ++factor) {
        Eigen::Index row = 0;
        Eigen::Index column = 0;
        const double rowMost = rowCoordinates.col(factor).cwiseAbs().maxCoeff(&row);
        const double columnMost = columnCoordinates.col(factor).cwiseAbs().maxCoeff(&column);
        const double furthest = rowMost >= columnMost ? rowCoordinates(row, factor) : columnCoordinates(column, factor);
        if (furthest < 0) {
            rowCoordinates.col(factor) *= -1;
            columnCoordinates.col(factor) *= -1;
        }
    }

    // The squared distance of a profile to the centre is its residuals' sum of squares over its mass.
    const Eigen::VectorXd columnDistances =
        residuals.colwise().squaredNorm().transpose().cwiseQuotient(columnMasses);
    const Eigen::VectorXd rowDistances = residuals.rowwise().squaredNorm().cwiseQuotient(rowMasses);
    for (Eigen::Index column = 0; column < columnCoordinates.rows(); ++column)
        analysis.parts.push_back(factorPoint(table.columns[analysed.columns[static_cast<std::size_t>(column)]].name,
                                             columnMasses(column), columnCoordinates.row(column).transpose(),
                                             columnDistances(column), eigenvalues));
    for (Eigen::Index row = 0; row < rowCoordinates.rows(); ++row)
        analysis.forms.push_back(factorPoint(table.forms.form(analysed.forms[static_cast<std::size_t>(row)]),
                                             rowMasses(row), rowCoordinates.row(row).transpose(), rowDistances(row),
                                             eigenvalues));
    return analysis;
}

} // namespace quorvelle
