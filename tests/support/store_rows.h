// The integer columns of a query of a career record's store, row by row: what
// the tests of the record hold its tables against.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "record/sqlite.h"

namespace kelmar::testing {

using Rows = std::vector<std::vector<int64_t>>;

inline Rows Query(const std::string& file, const std::string& sql) {
    Database db(file);
    Statement q = db.Prepare(sql.c_str());
    Rows rows;
    while (q.Step()) {
        std::vector<int64_t> row;
        for (int c = 0; c < q.Columns(); ++c) row.push_back(q.Integer(c));
        rows.push_back(row);
    }
    return rows;
}

}  // namespace kelmar::testing
