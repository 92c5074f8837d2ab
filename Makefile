# The whole set-up: `make run` and `make test`.
PRESET_RUN  ?= debug
PRESET_TEST ?= asan

.PHONY: run test deps build-run build-test bench clean

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

test: build-test
	@ctest --preset $(PRESET_TEST) -j2

bench: deps
	@cmake --preset release >/dev/null
	@cmake --build --preset release
	@scripts/run-bench build/release

clean:
	rm -rf build
