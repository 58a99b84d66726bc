// The number texts, rounding, math services and the status check, on their edge values. These
// run in the optimised build too, where a status check built on the hardware flags could be
// reordered away.
#include <gtest/gtest.h>

#include <cfloat>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <limits>
#include <optional>
#include <string>

#include "float_status.h"
#include "runtime_services.h"

namespace tallomat::testing {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// The failure kind of a call, or none.
template <class Call>
std::optional<FailureKind> failureOf(Call&& call) {
    try {
        call();
    } catch (const Failure& failure) {
        return failure.kind;
    }
    return std::nullopt;
}

struct TextCase {
    double value;
    const char* text;
};

TEST(ToText, WritesLikePercentFifteenG) {
    const TextCase cases[] = {
        {0.5, "0.5"},
        {-0.0, "0"},
        {0, "0"},
        {12, "12"},
        {-2.5, "-2.5"},
        {100, "100"},
        {1e308, "1E+308"},
        {1.745e-5, "1.745E-05"},
        {0.0001, "0.0001"},
        {0.00001, "1E-05"},
        {999999999999999, "999999999999999"},
        {1e15, "1E+15"},
        {123456789012345678.0, "1.23456789012346E+17"},
        {1.0 / 3.0, "0.333333333333333"},
        {2.0 / 3.0, "0.666666666666667"},
        {0.1 + 0.2, "0.3"},
        {2.9999999999999996, "3"},
        {9.9999999999999995e14, "1E+15"},
        {DBL_MAX, "1.79769313486232E+308"},
        {4.9406564584124654e-324, "4.94065645841247E-324"},
        {1e-100, "1E-100"},
        {3.14159265358979, "3.14159265358979"},
        {kInf, "Infinity"},
        {-kInf, "-Infinity"},
        {kNaN, "NaN"},
    };
    for (const TextCase& c : cases) {
        EXPECT_EQ(ToText(c.value), c.text) << c.text;
    }
}

TEST(ToNumber, ReadsTheStrictGrammar) {
    const TextCase cases[] = {
        {5, "5"},           {5, "5."},
        {0.5, ".5"},        {5, " 5 "},
        {-5, "-5"},         {5, "+5"},
        {1000, "1e3"},      {1000, "1E+3"},
        {0.001, "1e-3"},    {0, "000"},
        {1e308, "1E+308"},  {0, "1e-400"},
        {kInf, "Infinity"}, {-kInf, " -Infinity "},
        {1.2, "1.2"},       {-0.5, "-.5"},
        {12, "0012"},
    };
    for (const TextCase& c : cases) {
        EXPECT_EQ(ToNumber(c.text), c.value) << c.text;
    }
}

TEST(ToNumber, RefusesEverythingElse) {
    struct Refusal {
        const char* text;
        FailureKind kind;
    };
    const Refusal cases[] = {
        {"", FailureKind::NotANumber},
        {" ", FailureKind::NotANumber},
        {".", FailureKind::NotANumber},
        {"-", FailureKind::NotANumber},
        {"1.2.3", FailureKind::NotANumber},
        {"1,5", FailureKind::NotANumber},
        {"0x10", FailureKind::NotANumber},
        {"5e", FailureKind::NotANumber},
        {"e5", FailureKind::NotANumber},
        {"- 5", FailureKind::NotANumber},
        {"5 5", FailureKind::NotANumber},
        {"inf", FailureKind::NotANumber},
        {"NaN", FailureKind::NotANumber},
        {"+Infinity", FailureKind::NotANumber},
        {"Invalid input for function ", FailureKind::NotANumber},
        {"1e400", FailureKind::NumberTooLarge},
        {"-1e400", FailureKind::NumberTooLarge},
        {"1.79769313486232E+308", FailureKind::NumberTooLarge},
        {"1e99999999999999999999", FailureKind::NumberTooLarge},
    };
    for (const Refusal& c : cases) {
        EXPECT_EQ(failureOf([&] { ToNumber(c.text); }), c.kind) << '"' << c.text << '"';
    }
}

TEST(ToNumber, ReadsBackEveryText) {
    for (const double x : {0.1, 1.0 / 3.0, 1e-5, 1.745e-5, 123456.789, -7e300, 4.9e-324}) {
        EXPECT_EQ(ToText(ToNumber(ToText(x))), ToText(x));
    }
}

TEST(LeadingNumber, ReadsTheLongestPrefix) {
    const TextCase cases[] = {
        {5, " 5"},
        {1.2, "1.2.3"},
        {12, "12abc"},
        {5, "5e"},
        {0, ""},
        {0, " "},
        {0, "-"},
        {0, "."},
        {-5, " -5x"},
        {500, "5e2e3"},
        {0, "Invalid input for function "},
        {-kInf, "-Infinityx"},
        {0, "1e-400 "},
        {0, "Inf"},
    };
    for (const TextCase& c : cases) {
        EXPECT_EQ(LeadingNumber(c.text), c.value) << '"' << c.text << '"';
    }
    EXPECT_EQ(failureOf([] { LeadingNumber("1e400abc"); }), FailureKind::NumberTooLarge);
}

TEST(ToInt32, RoundsHalvesToEvenWithinRange) {
    struct Case {
        double value;
        std::int32_t result;
    };
    const Case cases[] = {
        {2.5, 2},
        {3.5, 4},
        {-2.5, -2},
        {0.5, 0},
        {-0.5, 0},
        {7.5, 8},
        {6.5, 6},
        {2147483647.4, 2147483647},
        {-2147483648.5, -2147483647 - 1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ToInt32(c.value), c.result) << c.value;
    }
    for (const double outside : {2147483647.5, 2147483648.0, -2147483649.0, kInf, -kInf, kNaN}) {
        EXPECT_EQ(failureOf([&] { ToInt32(outside); }), FailureKind::OutsideInt32) << outside;
    }
}

TEST(RoundTo, RoundsTheExactValueHalvesToEven) {
    struct Case {
        double value;
        std::int32_t decimals;
        double result;
    };
    const Case cases[] = {
        {3.14159, 2, 3.14},
        {3.14159, 3, 3.142},
        {2.5, 0, 2},
        {3.5, 0, 4},
        {-2.5, 0, -2},
        {0.125, 2, 0.12},
        {0.375, 2, 0.38},
        {1.005, 2, 1},  // 1.00499...
        {2.675, 2, 2.67},
        {1234.5, -2, 1200},
        {1250, -2, 1200},
        {1350, -2, 1400},
        {1250.5, -2, 1300},
        {-1250, -2, -1200},
        {5000, -4, 0},
        {6000, -4, 10000},
        {15, -1, 20},
        {25, -1, 20},
        {9999, -2, 10000},
        {1e300, -400, 0},
        {0.1, 2000000000, 0.1},
        {kInf, 2, kInf},
        {-kInf, -3, -kInf},
        {7, 0, 7},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RoundTo(c.value, c.decimals), c.result) << c.value << " to " << c.decimals;
    }
    EXPECT_EQ(failureOf([] { RoundTo(DBL_MAX, -308); }), FailureKind::NumberTooLarge);
}

TEST(MathServices, FailOutsideTheirDomainAndOnOverflow) {
    struct Case {
        const char* name;
        double (*call)();
        std::optional<FailureKind> failure;
    };
    const Case cases[] = {
        {"Power(8, 1/3)", [] { return Power(8, 1.0 / 3.0); }, std::nullopt},
        {"Power(-8, 1/3)", [] { return Power(-8, 1.0 / 3.0); }, FailureKind::OutsideDomain},
        {"Power(-Infinity, 1/3)", [] { return Power(-kInf, 1.0 / 3.0); },
         FailureKind::OutsideDomain},
        {"Power(-2, 3)", [] { return Power(-2, 3); }, std::nullopt},
        {"Power(0, -1)", [] { return Power(0, -1); }, FailureKind::Overflow},
        {"Power(10, 400)", [] { return Power(10, 400); }, FailureKind::Overflow},
        {"Sqr(-1)", [] { return Sqr(-1); }, FailureKind::OutsideDomain},
        {"Sqr(-0)", [] { return Sqr(-0.0); }, std::nullopt},
        {"Exp(1000)", [] { return Exp(1000); }, FailureKind::Overflow},
        {"Exp(-1000)", [] { return Exp(-1000); }, std::nullopt},
        {"Ln(0)", [] { return Ln(0); }, FailureKind::OutsideDomain},
        {"Ln(-1)", [] { return Ln(-1); }, FailureKind::OutsideDomain},
        {"Ln(Infinity)", [] { return Ln(kInf); }, std::nullopt},
        {"Sin(Infinity)", [] { return Sin(kInf); }, FailureKind::OutsideDomain},
        {"Tan(1.5707963267949)", [] { return Tan(1.5707963267949); }, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(failureOf(c.call), c.failure) << c.name;
    }
}

// The nearest double to the true value, which the C library misses on one processor or another
// (with fused multiply-add for sine and cosine, without it for the exponential).
TEST(MathServices, GiveTheNearestDouble) {
    struct Case {
        const char* name;
        double result;
        double nearest;
    };
    const Case cases[] = {
        {"Exp(-0.6)", Exp(-0.6), 0x1.18fdd6b9604e3p-1},
        {"Exp(-0.052)", Exp(-0.052), 0x1.e60e6ee87a579p-1},
        {"Power(0.007, -5.99)", Power(0.007, -5.99), 0x1.d6ce95dfebd28p+42},
        {"Sin(-0.259)", Sin(-0.259), -0x1.0642c1d85096fp-2},
        {"Cos(-1.31)", Cos(-1.31), 0x1.0809d6c4005c5p-2},
        {"Sin(1E+22)", Sin(1e22), -0x1.b453ab76bf397p-1},
        {"Exp(-745)", Exp(-745), 0x0.0000000000001p-1022},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.result, c.nearest) << c.name;
    }
}

TEST(StatusCheck, FailsOnInvalidDivisionByZeroAndOverflowOnly) {
    struct Case {
        const char* name;
        ArithmeticStep step;
        std::optional<FailureKind> failure;
    };
    const Case cases[] = {
        {"Infinity + 5", Add(kInf, 5), std::nullopt},
        {"Infinity - Infinity", Subtract(kInf, kInf), FailureKind::InvalidOperation},
        {"Infinity + -Infinity", Add(kInf, -kInf), FailureKind::InvalidOperation},
        {"max + max", Add(DBL_MAX, DBL_MAX), FailureKind::Overflow},
        {"-max - max", Subtract(-DBL_MAX, DBL_MAX), FailureKind::Overflow},
        {"1E+308 * 10", Multiply(1e308, 10), FailureKind::Overflow},
        {"1E-308 * 1E-308", Multiply(1e-308, 1e-308), std::nullopt},
        {"Infinity * 0", Multiply(kInf, 0), FailureKind::InvalidOperation},
        {"Infinity * -2", Multiply(kInf, -2), std::nullopt},
        {"1 / 0", Divide(1, 0), FailureKind::DivisionByZero},
        {"-1 / -0", Divide(-1, -0.0), FailureKind::DivisionByZero},
        {"0 / 0", Divide(0, 0), FailureKind::InvalidOperation},
        {"Infinity / 0", Divide(kInf, 0), std::nullopt},
        {"Infinity / Infinity", Divide(kInf, kInf), FailureKind::InvalidOperation},
        {"1 / 1E-310", Divide(1, 1e-310), FailureKind::Overflow},
        {"1 / 3", Divide(1, 3), std::nullopt},
        {"NaN + 1", Add(kNaN, 1), std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(failureOf([&] { StatusCheck(c.step); }), c.failure) << c.name;
    }
    EXPECT_EQ(failureOf([] { StatusCheck(Divide(1, 1e-310), kDivisionByZero); }), std::nullopt);
}

TEST(ErrorDescription, IsASentenceForEveryKind) {
    for (const FailureKind kind :
         {FailureKind::NotANumber, FailureKind::NumberTooLarge, FailureKind::Overflow,
          FailureKind::DivisionByZero, FailureKind::InvalidOperation, FailureKind::OutsideDomain,
          FailureKind::OutsideInt32, FailureKind::DecimalOverflow, FailureKind::TooManyPasses}) {
        const std::string text = ErrorDescription(Failure{kind});
        EXPECT_GT(text.size(), 10U);
        EXPECT_EQ(text.back(), '.');
    }
    EXPECT_EQ(ErrorDescription(Failure{FailureKind::NotANumber}),
              "The display does not hold a number.");
}

// Selects a comma-decimal C locale for the test's lifetime and restores the previous one
// afterwards, whatever the assertions found. Compiles one into a temporary folder when the
// machine has none installed.
class CommaLocale {
  public:
    CommaLocale() {
        previous_ = std::setlocale(LC_ALL, nullptr);
        if (const char* path = std::getenv("LOCPATH")) {
            previousLocalePath_ = path;
        }
        for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8"}) {
            if (std::setlocale(LC_ALL, name) != nullptr) {
                return;
            }
        }
        const std::filesystem::path folder =
            std::filesystem::temp_directory_path() / "tallomat-test-locales";
        std::filesystem::create_directories(folder);
        const std::string command = "localedef -i de_DE -f UTF-8 '" +
                                    (folder / "de_DE.UTF-8").string() + "' >/dev/null 2>&1";
        if (std::system(command.c_str()) == 0) {
            setenv("LOCPATH", folder.c_str(), 1);
            std::setlocale(LC_ALL, "de_DE.UTF-8");
        }
    }
    ~CommaLocale() {
        if (previousLocalePath_) {
            setenv("LOCPATH", previousLocalePath_->c_str(), 1);
        } else {
            unsetenv("LOCPATH");
        }
        std::setlocale(LC_ALL, previous_.c_str());
    }
    CommaLocale(const CommaLocale&) = delete;
    CommaLocale& operator=(const CommaLocale&) = delete;

    bool active() const { return *std::localeconv()->decimal_point == ','; }

  private:
    std::string previous_;
    std::optional<std::string> previousLocalePath_;
};

TEST(NumberTexts, IgnoreTheUserLocale) {
    const CommaLocale locale;
    if (!locale.active()) {
        GTEST_SKIP() << "no comma-decimal locale available (install the locales package)";
    }
    EXPECT_EQ(ToNumber("1.5"), 1.5);
    EXPECT_EQ(LeadingNumber("2.5x"), 2.5);
    EXPECT_EQ(failureOf([] { ToNumber("1,5"); }), FailureKind::NotANumber);
    EXPECT_EQ(ToText(2.5), "2.5");
    EXPECT_EQ(ToText(1.745e-5), "1.745E-05");
    EXPECT_EQ(RoundTo(3.14159, 2), 3.14);
    EXPECT_EQ(RoundTo(1234.5, -2), 1200);
}

}  // namespace
}  // namespace tallomat::testing
