#pragma once

#include <cstdint>
#include <functional>

// A number for names that must not repeat: the cookie name of a design and the folder of a
// preview. Random, so that two designs made in the same millisecond, or on two computers, do
// not share a cookie and a visitor who saw one popup still sees the other.
uint32_t NewUniqueNumber();

// Tests fix the numbers; an empty function restores the random ones.
void SetUniqueNumberSource(std::function<uint32_t()> source);
