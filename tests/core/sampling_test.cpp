#include "core/curves/sampling.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace curvana {
namespace {

std::vector<double> samplesOf(double start, double end, SampleWindow window = kWholeRange)
{
    std::vector<double> samples;
    sampleRange(
        start, end, [&](double v) { samples.push_back(v); }, window);
    return samples;
}

TEST(SampleRange, AngleRunMakesTheFixedNumberOfPasses)
{
    const auto samples = samplesOf(0, 8);
    ASSERT_EQ(samples.size(), 15279u);
    EXPECT_EQ(samples.front(), 0.0);
    EXPECT_NEAR(samples.back(), 7.99954, 1e-5);
}

TEST(SampleRange, StartAboveEndOrNaNGivesNothing)
{
    EXPECT_TRUE(samplesOf(1, 0).empty());
    EXPECT_TRUE(samplesOf(NAN, 1).empty());
    EXPECT_TRUE(samplesOf(0, NAN).empty());
    EXPECT_EQ(samplesOf(2, 2).size(), 1u);
}

TEST(SampleRange, StartInsideTheWindowIsKeptExactly)
{
    const auto samples = samplesOf(-8, 8, kVisibleX);
    ASSERT_FALSE(samples.empty());
    EXPECT_EQ(samples.front(), -8.0);
    EXPECT_LE(samples.back(), 8.0);
    EXPECT_GT(samples.back(), 8.0 - kSampleStep);
}

struct FarRun {
    double start;
    double end;
};

TEST(SampleRange, FarStartsJumpIntoTheWindowAndStayBounded)
{
    const FarRun rows[] = {{-8e12, 8}, {-1e300, 1e300}, {-INFINITY, 0}, {-1e300, -12}, {-5e15, 5e15}};
    for (const auto& row : rows) {
        const auto samples = samplesOf(row.start, row.end, kVisibleX);
        EXPECT_LE(samples.size(), (kVisibleXMax - kVisibleXMin) / kSampleStep + 2) << row.start;
        for (double v : samples) {
            ASSERT_GE(v, kVisibleXMin - 1e-3) << row.start;
            ASSERT_LE(v, kVisibleXMax) << row.start;
        }
    }
    // A run that reaches into the window starts within one step of its edge.
    const auto clipped = samplesOf(-8e12, 8, kVisibleX);
    ASSERT_FALSE(clipped.empty());
    EXPECT_LT(clipped.front(), kVisibleXMin + kSampleStep + 1e-3);
    EXPECT_TRUE(samplesOf(12, 1e300, kVisibleX).empty());
}

// However far away a run starts, when it reaches into the window it starts at the window's edge
// (within one step) and crosses the whole window at its own step.
TEST(SampleRange, FarStartsCrossTheWholeWindow)
{
    const double whole = (kVisibleXMax - kVisibleXMin) / kSampleStep;
    for (double start : {-12.0, -8e12, -4e16, -1e17, -8e20, -1e300, -8e305, -1.7e308}) {
        const auto samples = samplesOf(start, 8e300, kVisibleX);
        ASSERT_FALSE(samples.empty()) << start;
        EXPECT_GE(samples.front(), kVisibleXMin) << start;
        EXPECT_LT(samples.front(), kVisibleXMin + kSampleStep) << start;
        EXPECT_NEAR(static_cast<double>(samples.size()), whole, 2) << start;
    }
}

TEST(SampleRange, StepLostInRoundingStopsAtOnce)
{
    // Beyond about 8.8e12 adding the step no longer moves the variable.
    EXPECT_EQ(samplesOf(1e15, 1e15 + 10).size(), 1u);
}

TEST(SampleRange, HardCapEndsAnOverlongRun) { EXPECT_EQ(samplesOf(0, 1e6).size(), kMaxSamplesPerRun); }

} // namespace
} // namespace curvana
