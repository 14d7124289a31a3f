# Thin wrappers over CMake and CTest; see README.md.
BUILD      ?= build
ASAN_BUILD ?= build-asan
JOBS       ?= $(shell nproc)

.PHONY: deps build run test check lint test-release test-asan bench contact-sheet package screenshot \
	language-screenshots clean

deps:
	@scripts/install-deps

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release -DORLIX_WERROR=ON -DORLIX_BENCH=ON
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@scripts/run-game $(BUILD)/app/orlix

test: lint test-release test-asan

# The quick loop: the unit tests of the Release build only.
check: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS) -LE e2e

lint: deps
	scripts/lint

test-release: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

test-asan: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DORLIX_WERROR=ON -DORLIX_SANITIZE=ON \
	    -DORLIX_BENCH=OFF
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && ctest --output-on-failure -j $(JOBS)

bench: build
	bench/run.sh $(BUILD)

contact-sheet: build
	cmake --build $(BUILD) --target contact-sheet
	@echo "Contact sheet: $(BUILD)/contact-sheet.png"

# The README's picture of a game in progress, taken afresh.
screenshot: build
	scripts/screenshot $(BUILD)/app/orlix docs/screenshot.png

# The README's pictures of the game in German, French and Spanish, taken
# afresh: docs/screenshot-<language>-<what>.png.
language-screenshots: build
	for locale in de_DE.UTF-8 fr_FR.UTF-8 es_ES.UTF-8; do \
	    scripts/language-shots $(BUILD)/app/orlix $(BUILD)/tests/orlix-testtool $(BUILD)/shots \
	        $$locale || exit 1; \
	    for what in tracing finished scores instructions; do \
	        cp $(BUILD)/shots/$${locale%%_*}-$$what.png docs/screenshot-$${locale%%_*}-$$what.png; \
	    done; \
	done

# A .deb of the Release build: $(BUILD)/orlix_<version>_<arch>.deb
package: build
	cmake --build $(BUILD) --target package

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
