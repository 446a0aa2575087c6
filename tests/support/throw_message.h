#pragma once

#include <gtest/gtest.h>

#include <exception>
#include <string>
#include <utility>

#include "core/error.h"

namespace chronoflip::testing {

// Whether action throws an E whose text (what(), unless told otherwise) is exactly
// message; otherwise what it did.
template <typename E, typename Action, typename Text>
::testing::AssertionResult throwsWithMessage(Action&& action, const std::string& message,
                                             Text textOf) {
    try {
        action();
    } catch (const E& error) {
        const std::string text = textOf(error);
        if (text == message) return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "it throws \"" << text << "\"";
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

template <typename E, typename Action>
::testing::AssertionResult throwsWithMessage(Action&& action, const std::string& message) {
    return throwsWithMessage<E>(std::forward<Action>(action), message,
                                [](const E& error) { return std::string(error.what()); });
}

}  // namespace chronoflip::testing

// Expects statement to throw type, or a type derived from it, with exactly message as its
// what(). A failure shows the statement, the message and what happened instead. The
// statement runs in a lambda that captures by reference.
#define EXPECT_THROW_MSG(statement, type, message) \
    EXPECT_TRUE(::chronoflip::testing::throwsWithMessage<type>([&] { statement; }, message))

// Expects statement to throw chronoflip::Error whose "PATH: message" form, as the command
// line prints it, is exactly text.
#define EXPECT_ERROR_WITH_PATH(statement, text)                                \
    EXPECT_TRUE(::chronoflip::testing::throwsWithMessage<::chronoflip::Error>( \
        [&] { statement; }, text,                                              \
        [](const ::chronoflip::Error& error) { return withPath(error); }))
