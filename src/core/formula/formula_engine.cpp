#include "core/formula/formula_engine.h"

#include <muParser.h>

#include <charconv>
#include <cmath>
#include <map>

namespace curvana {

namespace {

// muparser refuses longer expressions; the longest 1,000-character formula stays well below.
constexpr std::size_t kMuparserMaxLength = 20000;

double cotangent(double v) { return std::cos(v) / std::sin(v); }
double secant(double v) { return 1 / std::cos(v); }
double cosecant(double v) { return 1 / std::sin(v); }

} // namespace

// log_b(x); a base that is not positive or is 1 has no logarithm.
double logarithmToBase(double base, double v)
{
    if (!(base > 0) || base == 1)
        return std::nan("");
    return std::log(v) / std::log(base);
}

// The largest odd denominator of an exponent read as a root: x^(1/3) and x^(2/5) are defined for
// a negative x, as the school's power functions are.
constexpr int kLargestOddRoot = 99;

// a^b, with a negative base and an exponent p/q of odd q taken as the real q-th root to the p-th.
double schoolPower(double base, double exponent)
{
    if (base >= 0 || std::nearbyint(exponent) == exponent || !std::isfinite(exponent))
        return std::pow(base, exponent);
    for (int denominator = 3; denominator <= kLargestOddRoot; denominator += 2) {
        const double numerator = std::nearbyint(exponent * denominator);
        if (std::fabs(exponent * denominator - numerator) < 1e-9) {
            const double magnitude = std::pow(-base, exponent);
            return std::fmod(numerator, 2) == 0 ? magnitude : -magnitude;
        }
    }
    return std::nan("");
}

namespace {

// a^b for an exponent that says nothing about roots: no value for a negative base.
double positiveBasePower(double base, double exponent) { return base < 0 ? std::nan("") : std::pow(base, exponent); }

double wholePart(double v) { return std::floor(v); }

// The school's names that muparser spells differently or lacks (those it lacks are defined below).
const std::map<std::string, std::string, std::less<>> kMuparserNames
    = {{"arcsin", "asin"}, {"arccos", "acos"}, {"arctan", "atan"}, {"lg", "log10"}, {"log", "logb"}, {"sgn", "sign"}};

void emit(const SyntaxTree& tree, int index, std::string& out)
{
    const SyntaxNode& node = tree.nodes[static_cast<std::size_t>(index)];
    const auto binary = [&](const char* operation) {
        out += '(';
        emit(tree, node.left, out);
        out += operation;
        emit(tree, node.right, out);
        out += ')';
    };
    switch (node.kind) {
    case SyntaxKind::Number: {
        char digits[32];
        const auto result = std::to_chars(digits, digits + sizeof digits, node.value);
        out.append(digits, result.ptr);
        return;
    }
    case SyntaxKind::Pi:
        out += "_pi";
        return;
    case SyntaxKind::E:
        out += "_e";
        return;
    case SyntaxKind::Variable:
        out += 'v';
        return;
    case SyntaxKind::Negate:
        out += "(-";
        emit(tree, node.left, out);
        out += ')';
        return;
    case SyntaxKind::Add:
        return binary("+");
    case SyntaxKind::Subtract:
        return binary("-");
    case SyntaxKind::Multiply:
        return binary("*");
    case SyntaxKind::Divide:
        return binary("/");
    case SyntaxKind::Power:
        switch (powerReading(tree, node)) {
        case PowerReading::Whole:
            return binary("^");
        case PowerReading::OddRoot:
            out += "spow";
            return binary(",");
        case PowerReading::PositiveBase:
            out += "ppow";
            return binary(",");
        }
        return;
    case SyntaxKind::Call: {
        const auto renamed = kMuparserNames.find(node.function);
        out += renamed == kMuparserNames.end() ? node.function : renamed->second;
        out += '(';
        emit(tree, node.left, out);
        if (node.right >= 0) {
            out += ',';
            emit(tree, node.right, out);
        }
        out += ')';
        return;
    }
    }
}

} // namespace

struct CompiledFunction::Engine {
    explicit Engine(std::string muparserExpression)
        : text(std::move(muparserExpression))
    {
        parser.DefineVar("v", &variable);
        parser.DefineFun("cot", cotangent);
        parser.DefineFun("sec", secant);
        parser.DefineFun("csc", cosecant);
        parser.DefineFun("logb", logarithmToBase);
        parser.DefineFun("spow", schoolPower);
        parser.DefineFun("ppow", positiveBasePower);
        parser.DefineFun("floor", wholePart);
        parser.SetExpr(text);
        parser.Eval(); // compiles now, so evaluating later only runs the byte code
    }

    std::string text;
    double variable = 0;
    mu::Parser parser;
};

CompiledFunction::CompiledFunction(std::unique_ptr<Engine> engine)
    : m_engine(std::move(engine))
{
}
CompiledFunction::CompiledFunction(const CompiledFunction& other)
    : m_engine(std::make_unique<Engine>(other.m_engine->text))
{
}
CompiledFunction& CompiledFunction::operator=(const CompiledFunction& other)
{
    if (this != &other)
        m_engine = std::make_unique<Engine>(other.m_engine->text);
    return *this;
}
CompiledFunction::CompiledFunction(CompiledFunction&&) noexcept = default;
CompiledFunction& CompiledFunction::operator=(CompiledFunction&&) noexcept = default;
CompiledFunction::~CompiledFunction() = default;

double CompiledFunction::operator()(double variable) const
{
    m_engine->variable = variable;
    try {
        return m_engine->parser.Eval();
    } catch (const mu::Parser::exception_type&) {
        return std::nan("");
    }
}

const std::string& CompiledFunction::engineText() const { return m_engine->text; }

std::variant<CompiledFunction, TextProblem> CompiledFunction::fromTree(const SyntaxTree& tree)
{
    std::string text = muparserText(tree);
    if (text.size() >= kMuparserMaxLength)
        return TextProblem{0, 0, "这个式子太复杂了，请写得简单些。"};
    try {
        return CompiledFunction(std::make_unique<Engine>(std::move(text)));
    } catch (const mu::Parser::exception_type&) {
        return TextProblem{0, 0, "这个式子无法计算。"};
    }
}

std::variant<CompiledFunction, TextProblem> compileFormula(std::string_view text, const FormulaVocabulary& vocabulary)
{
    auto parsed = parseFormula(text, vocabulary);
    if (const auto* problem = std::get_if<TextProblem>(&parsed))
        return *problem;
    return CompiledFunction::fromTree(std::get<SyntaxTree>(parsed));
}

std::string muparserText(const SyntaxTree& tree)
{
    std::string out;
    emit(tree, tree.root, out);
    return out;
}

} // namespace curvana
