#pragma once
// The sample year's plotted page (額田 2025, hourly stage, the pens of an empty
// settings file) as `tellvane render` plots it, written by documents of a factory.

#include <string>

#include "platform/PlotDocument.h"

namespace tellvane::pagewriter::test {

/// Plots the page into the directory with documents of the factory; the file's path.
std::string writeSamplePage(PlotDocumentFactory& documents, const std::string& directory);

}  // namespace tellvane::pagewriter::test
