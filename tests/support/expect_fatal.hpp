// EXPECT_FATAL(statement, "first line"): the statement ends in the fatal
// condition whose diagnostic starts with that line ("context: message").
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "text/fatal.hpp"

#define EXPECT_FATAL(statement, first_line)                                   \
  do {                                                                        \
    try {                                                                     \
      statement;                                                              \
      ADD_FAILURE() << "no fatal condition from " #statement;                 \
    } catch (const ::vortelin::FatalCondition& fatal_condition) {             \
      EXPECT_EQ(std::string(fatal_condition.what()), std::string(first_line)) \
          << "from " #statement;                                              \
    }                                                                         \
  } while (false)
