#pragma once
// The 流況表 of the files the page loaded, as the page lays it out in HTML: the
// table every format of the record lays out (record/RecordTable.h), each cell's
// text as the CSV writes it and, for a value, the number itself.

#include <string>
#include <vector>

#include "record/StationRecord.h"

namespace tellvane::web {

/// {"tables": [{"station", "kind", "title", "headers": [texts],
///   "rows": [{"part": "year"|"period"|"note", "cells": [texts], "values": [number or null]}]}]},
/// one table per station-kind in the order of `records`; a note's cells are its
/// label and its text.
std::string recordViewJson(const std::vector<StationRecord>& records);

}  // namespace tellvane::web
