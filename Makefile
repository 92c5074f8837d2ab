# The whole set-up: `make run` and `make test`.
PRESET_RUN  ?= debug
PRESET_TEST ?= asan

.PHONY: run test deps build-run build-test build-package package screenshots bench clean

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

test: build-test build-package
	@ctest --preset $(PRESET_TEST) -j2

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
