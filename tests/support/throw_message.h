#pragma once

#include <gtest/gtest.h>

#include <exception>
#include <string>

namespace chronoflip::testing {

// Whether action throws an E whose what() is exactly message; otherwise what it did.
template <typename E, typename Action>
::testing::AssertionResult throwsWithMessage(Action&& action, const std::string& message) {
    try {
        action();
    } catch (const E& error) {
        if (error.what() == message) return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "it throws \"" << error.what() << "\"";
    } catch (...) {
        try {
            throw;
        } catch (const std::exception& error) {
            return ::testing::AssertionFailure()
                   << "it throws another type, saying \"" << error.what() << "\"";
        } catch (...) {
            return ::testing::AssertionFailure() << "it throws something that is no exception";
        }
    }
    return ::testing::AssertionFailure() << "it throws nothing";
}

}  // namespace chronoflip::testing

// Expects statement to throw type, or a type derived from it, with exactly message as its
// what(). A failure shows the statement, the message and what happened instead. The
// statement runs in a lambda that captures by reference.
#define EXPECT_THROW_MSG(statement, type, message) \
    EXPECT_TRUE(::chronoflip::testing::throwsWithMessage<type>([&] { statement; }, message))
