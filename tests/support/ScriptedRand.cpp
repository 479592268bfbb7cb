#include "support/ScriptedRand.h"

#include <gtest/gtest.h>

void ScriptedRand::seed(unsigned value)
{
    seeds.push_back(value);
    fallback_.seed(value);
}

int ScriptedRand::next()
{
    if (scripted_.empty())
        return fallback_.next();
    const int value = scripted_.front();
    scripted_.pop_front();
    return value;
}

void ScriptedRand::script(std::initializer_list<int> values)
{
    for (const int value : values) {
        // The game's arithmetic on random numbers assumes the generator's range.
        if (value < 0 || value > platform::kRandMax)
            ADD_FAILURE() << "scripted random value " << value << " is outside 0.." << platform::kRandMax;
        scripted_.push_back(value);
    }
}
