#include "core/equations/plane_polynomial.h"

namespace curvana {

namespace {

struct NotPolynomial { };

PlanePolynomial constant(const Rational& value)
{
    PlanePolynomial p;
    p.coefficient[0][0] = value;
    return p;
}

PlanePolynomial product(const PlanePolynomial& a, const PlanePolynomial& b)
{
    PlanePolynomial result;
    for (int i = 0; i <= 2; ++i)
        for (int j = 0; i + j <= 2; ++j)
            for (int k = 0; k <= 2; ++k)
                for (int l = 0; k + l <= 2; ++l) {
                    if (a.coefficient[i][j].isZero() || b.coefficient[k][l].isZero())
                        continue;
                    if (i + j + k + l > 2)
                        throw NotPolynomial{};
                    result.coefficient[i + k][j + l]
                        = result.coefficient[i + k][j + l] + a.coefficient[i][j] * b.coefficient[k][l];
                }
    return result;
}

PlanePolynomial expand(const SyntaxTree& tree, int index)
{
    const SyntaxNode& node = tree.nodes[static_cast<std::size_t>(index)];
    switch (node.kind) {
    case SyntaxKind::Number: {
        const auto value = Rational::fromDecimal(node.value);
        if (!value)
            throw NotPolynomial{};
        return constant(*value);
    }
    case SyntaxKind::Variable: {
        PlanePolynomial p;
        (node.function == "y" ? p.coefficient[0][1] : p.coefficient[1][0]) = Rational(1);
        return p;
    }
    case SyntaxKind::Negate:
        return expand(tree, node.left).scaled(Rational(-1));
    case SyntaxKind::Add:
        return expand(tree, node.left) + expand(tree, node.right);
    case SyntaxKind::Subtract:
        return expand(tree, node.left) + expand(tree, node.right).scaled(Rational(-1));
    case SyntaxKind::Multiply:
        return product(expand(tree, node.left), expand(tree, node.right));
    case SyntaxKind::Divide: {
        const PlanePolynomial divisor = expand(tree, node.right);
        if (divisor.degree() > 0 || divisor.coefficient[0][0].isZero())
            throw NotPolynomial{};
        return expand(tree, node.left).scaled(Rational(1) / divisor.coefficient[0][0]);
    }
    case SyntaxKind::Power: {
        const SyntaxNode& exponent = tree.nodes[static_cast<std::size_t>(node.right)];
        if (exponent.kind != SyntaxKind::Number || exponent.value < 0 || exponent.value > 2
            || exponent.value != static_cast<int>(exponent.value))
            throw NotPolynomial{};
        const PlanePolynomial base = expand(tree, node.left);
        PlanePolynomial result = constant(Rational(1));
        for (int k = 0; k < static_cast<int>(exponent.value); ++k)
            result = product(result, base);
        return result;
    }
    case SyntaxKind::Pi:
    case SyntaxKind::E:
    case SyntaxKind::Call:
        break;
    }
    throw NotPolynomial{};
}

} // namespace

int PlanePolynomial::degree() const
{
    int degree = 0;
    for (int i = 0; i <= 2; ++i)
        for (int j = 0; i + j <= 2; ++j)
            if (!coefficient[i][j].isZero())
                degree = std::max(degree, i + j);
    return degree;
}

PlanePolynomial PlanePolynomial::operator+(const PlanePolynomial& other) const
{
    PlanePolynomial sum;
    for (int i = 0; i <= 2; ++i)
        for (int j = 0; i + j <= 2; ++j)
            sum.coefficient[i][j] = coefficient[i][j] + other.coefficient[i][j];
    return sum;
}

PlanePolynomial PlanePolynomial::scaled(const Rational& factor) const
{
    PlanePolynomial result;
    for (int i = 0; i <= 2; ++i)
        for (int j = 0; i + j <= 2; ++j)
            result.coefficient[i][j] = coefficient[i][j] * factor;
    return result;
}

std::optional<PlanePolynomial> expandedPolynomial(const SyntaxTree& tree)
{
    try {
        return expand(tree, tree.root);
    } catch (const NotPolynomial&) {
        return std::nullopt;
    } catch (const RationalOverflow&) {
        return std::nullopt;
    }
}

} // namespace curvana
