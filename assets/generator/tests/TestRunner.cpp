#include "TestRunner.h"

#include <iostream>

int& TestRunner::Count() {
    static int failures = 0;
    return failures;
}

void TestRunner::Expect(bool ok, const std::string& what) {
    if (ok)
        return;
    ++Count();
    std::cerr << "FAIL " << what << '\n';
}

int TestRunner::Failures() {
    return Count();
}

int main() {
    TestFormats();
    TestArtwork();
    if (TestRunner::Failures() == 0)
        std::cout << "all artgen tests passed\n";
    return TestRunner::Failures() == 0 ? 0 : 1;
}
