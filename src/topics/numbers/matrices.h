// Matrices for the worked examples: element-by-element addition and the row
// by column product, with each product element written out as its sum of
// products. The stored data sets are the sales figures the window steps through.
#pragma once

#include <QString>
#include <vector>

namespace orr::numbers {

using Matrix = std::vector<std::vector<double>>;

int rows(const Matrix& m);
int columns(const Matrix& m);

// A + B; empty when the shapes differ.
Matrix addMatrices(const Matrix& a, const Matrix& b);
// A x B; empty unless A has as many columns as B has rows.
Matrix multiplyMatrices(const Matrix& a, const Matrix& b);
// "a(i, 1) x b(1, j) + a(i, 2) x b(2, j)" with the numbers: "2 × 5 + 3 × 4".
QString productTerms(const Matrix& a, const Matrix& b, int i, int j);

struct MatrixPair {
    Matrix a, b;
};
// The stored data sets: sales of two shops over three days, and pairs to multiply.
const std::vector<MatrixPair>& additionSets();
const std::vector<MatrixPair>& multiplicationSets();

}  // namespace orr::numbers
