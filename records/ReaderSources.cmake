# The readers' sources, relative to the project root: the records library and the
# fuzz target build them from this one list.
set(TELLVANE_READER_SOURCES
    records/CivilDate.cpp
    records/CsvRecords.cpp
    records/DataFiles.cpp
    records/HourlyCsv.cpp
    records/InputError.cpp
    records/ReadingText.cpp
    records/ShownText.cpp
    records/StationCatalogue.cpp
    records/StationRecords.cpp
    records/TextDecoder.cpp
    records/WaterDbFile.cpp
    records/WaterDbHeader.cpp
    records/YearSelection.cpp)
