// One input through each file reader, with the checks that must hold afterwards. The
// libFuzzer targets (fuzz/*_fuzz.cpp) and the corpus replay test (tests/fuzz_corpus_test.cpp)
// run the same functions. Each returns "" when every check held, otherwise what broke.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The bytes are the text of a level file, read over a valid map: a rejected text must
// leave that map untouched and say why; an accepted one must hold only valid tile codes
// and read back the same from the text the game writes for it.
std::string fuzzLevelText(const std::uint8_t* data, std::size_t size);

// The bytes are the text of a settings file, read over values that are not the default
// ones: a value whose key the text does not hold stays; reading the text again over its
// result changes nothing; the values written the game's way read back the same.
std::string fuzzSettingsText(const std::uint8_t* data, std::size_t size);

// The first byte picks the page (-1 to 10), the rest is the tutorial file, read through a
// temporary file: the file is read, at most four lines are shown, each without its line
// end and no longer than a read line holds, and a page the file lacks leaves the box as
// it was.
std::string fuzzTutorialPage(const std::uint8_t* data, std::size_t size);

// The bytes are the text of a save file, read over a record holding a valid save: a
// refused text leaves the record untouched and says why; an accepted one writes back to a
// text that reads to the same record.
std::string fuzzSaveText(const std::uint8_t* data, std::size_t size);

// The tutorial page a fuzz input asks for.
std::int32_t tutorialPageOfInput(const std::uint8_t* data, std::size_t size);
