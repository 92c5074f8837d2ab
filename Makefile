# The whole set-up: `make run` and `make test`.
PRESET_RUN  ?= debug
PRESET_TEST ?= asan

.PHONY: run test deps build-run build-test build-package package screenshots bench clean \
        build-fuzz fuzz build-server

deps:
	@scripts/install-deps

build-run: deps
	@cmake --preset $(PRESET_RUN) >/dev/null
	@cmake --build --preset $(PRESET_RUN)

build-test: deps
	@cmake --preset $(PRESET_TEST) >/dev/null
	@cmake --build --preset $(PRESET_TEST)

run: build-run
	@scripts/run-demo build/$(PRESET_RUN)

# The release build of the two programs that the packages are made of, built before the tests
# so that the package test finds it up to date.
build-package: deps
	@cmake --preset package >/dev/null
	@cmake --build --preset package

# The libFuzzer targets (fuzz/), built with clang and the sanitizers in build/fuzz.
build-fuzz: deps
	@cmake --preset fuzz >/dev/null
	@cmake --build --preset fuzz

# The server alone, configured without the client: it must build, and its tests run, with no Qt.
build-server: deps
	@cmake --preset server >/dev/null
	@! grep -qi '^Qt6' build/server/CMakeCache.txt || { echo "the server build looked for Qt"; exit 1; }
	@cmake --build --preset server --target zorv-server zorv_server_tests

test: build-test build-package build-fuzz build-server
	@ctest --preset $(PRESET_TEST) -j2
	@ctest --preset fuzz
	@ctest --preset server -R '^Record\.'


# Each fuzz target for FUZZ_SECONDS, one after another, growing its corpus in
# build/fuzz/fuzz/corpus; a finding stops the run and lands in build/fuzz/fuzz/findings.
FUZZ_SECONDS ?= 3600
FUZZ_TARGETS ?= fuzz_request fuzz_guild_path fuzz_reply fuzz_tree fuzz_character fuzz_lists fuzz_payloads fuzz_dump
fuzz: build-fuzz
	@for t in $(FUZZ_TARGETS); do fuzz/run build/fuzz/fuzz/$$t $(FUZZ_SECONDS) || exit 1; done

# The Debian packages zorv and zorv-server, in build/package.
package: build-package
	@cd build/package && cpack
	@ls build/package/*.deb

# The main views and character tabs as PNG files, for the README.
SCREENSHOTS ?= docs/screenshots
screenshots: deps
	@cmake --preset $(PRESET_RUN) >/dev/null
	@cmake --build --preset $(PRESET_RUN) --target tst_screenshots zorv-server
	@mkdir -p $(SCREENSHOTS)
	@ZORV_SCREENSHOTS=$(abspath $(SCREENSHOTS)) ctest --preset $(PRESET_RUN) -R '^tst_screenshots$$'
	@ls $(SCREENSHOTS)

bench: deps
	@cmake --preset release >/dev/null
	@cmake --build --preset release
	@scripts/run-bench build/release

clean:
	rm -rf build
