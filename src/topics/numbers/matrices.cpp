// Matrix addition and multiplication.
#include "topics/numbers/matrices.h"

#include <QStringList>

#include "values/formatters.h"

namespace orr::numbers {

int rows(const Matrix& m) { return int(m.size()); }
int columns(const Matrix& m) { return m.empty() ? 0 : int(m.front().size()); }

Matrix addMatrices(const Matrix& a, const Matrix& b)
{
    if (rows(a) != rows(b) || columns(a) != columns(b))
        return {};
    Matrix c = a;
    for (int i = 0; i < rows(a); ++i)
        for (int j = 0; j < columns(a); ++j)
            c[i][j] = a[i][j] + b[i][j];
    return c;
}

Matrix multiplyMatrices(const Matrix& a, const Matrix& b)
{
    if (rows(a) == 0 || columns(a) != rows(b))
        return {};
    Matrix c(rows(a), std::vector<double>(columns(b), 0.0));
    for (int i = 0; i < rows(a); ++i)
        for (int j = 0; j < columns(b); ++j)
            for (int k = 0; k < columns(a); ++k)
                c[i][j] += a[i][k] * b[k][j];
    return c;
}

QString productTerms(const Matrix& a, const Matrix& b, int i, int j)
{
    QStringList terms;
    for (int k = 0; k < columns(a) && k < rows(b); ++k)
        terms << FormatNumber(float(a[i][k])) + QStringLiteral(" \u00D7 ") + FormatNumber(float(b[k][j]));
    return terms.join(QStringLiteral(" + "));
}

const std::vector<MatrixPair>& additionSets()
{
    // Rows: Shop 1, Shop 2; columns: Mon, Tues, Wed.
    static const std::vector<MatrixPair> sets = {
        {{{12, 15, 9}, {8, 11, 14}}, {{10, 7, 13}, {6, 9, 12}}},
        {{{25, 30, 18}, {22, 19, 27}}, {{14, 21, 16}, {17, 23, 11}}},
        {{{105, 98, 120}, {87, 112, 94}}, {{96, 104, 88}, {101, 93, 115}}},
    };
    return sets;
}

const std::vector<MatrixPair>& multiplicationSets()
{
    static const std::vector<MatrixPair> sets = {
        {{{2, 3}, {1, 4}}, {{5, 1}, {2, 6}}},
        {{{1, 2}, {3, 4}, {5, 6}}, {{7, 8, 9}, {1, 2, 3}}},
        {{{4, 1}, {2, 5}}, {{3, 2, 1}, {1, 4, 2}}},
    };
    return sets;
}

}  // namespace orr::numbers
