#include "app/steps/Glide.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<int> Frames(int start, int target, int divisor, int near)
{
    std::vector<int> frames;
    Glide glide(start, target, divisor);
    while (glide.far(near) && frames.size() < 1000) {
        glide.advance();
        frames.push_back(glide.position);
    }
    return frames;
}

TEST(GlideTest, StepsTheDistanceInTruncatedEqualSteps)
{
    // A card raised by 29 pixels (H = 768) with 10 animation steps: 5 steps of -5 bring it
    // within 5 pixels of its place.
    EXPECT_EQ(Frames(554, 525, 5, 5), (std::vector<int> { 549, 544, 539, 534, 529 }));
    // A flight of 300 pixels in 10 steps of 30.
    const std::vector<int> flight = Frames(0, 300, 10, 20);
    ASSERT_EQ(flight.size(), 10u);
    EXPECT_EQ(flight.front(), 30);
    EXPECT_EQ(flight.back(), 300);
}

TEST(GlideTest, AStepThatTruncatesToZeroGivesNoFrames)
{
    // A 200-pixel-high table raises cards by 7 pixels; over 10 half steps the step is 0,
    // which would never bring the card closer.
    EXPECT_TRUE(Frames(100, 93, 10, 5).empty());
    EXPECT_TRUE(Frames(0, 0, 10, 5).empty());
    EXPECT_TRUE(Frames(0, 50, 0, 5).empty());
}

TEST(GlideTest, NeverPassesItsTarget)
{
    // A step of 20 with 9 left would carry the card 11 past its target, still 5 or more
    // away, and on away from it for ever; the glide stops at the target instead.
    Glide glide(0, 209, 10);
    EXPECT_EQ(glide.step, 20);
    int frames = 0;
    while (glide.far(5) && frames < 100) {
        glide.advance();
        ++frames;
    }
    EXPECT_EQ(glide.position, 209);
    EXPECT_EQ(frames, 11);
    const std::vector<int> upward = Frames(209, 0, 10, 5);
    EXPECT_EQ(upward.back(), 0);
}

} // namespace
