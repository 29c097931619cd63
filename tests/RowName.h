#pragma once
// Names for the rows of table-driven suites: the row's own name, with every character
// that GoogleTest does not take in a test name written as "_".
#include <gtest/gtest.h>

#include <cctype>
#include <string>

template <class Row> std::string RowName(const ::testing::TestParamInfo<Row>& info) {
    std::string name;
    for (const char c : std::string(info.param.name))
        name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return name;
}
