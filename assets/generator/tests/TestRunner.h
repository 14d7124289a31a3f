#pragma once

#include <string>

// Minimal check collector for the generator's own tests: the generator is
// standard C++ only, so its tests are too.
class TestRunner {
public:
    static void Expect(bool ok, const std::string& what);
    static int Failures();

private:
    static int& Count();
};

void TestFormats();
void TestArtwork();
