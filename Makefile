# Front doors. `make run` builds and starts the program; `make test` builds
# and runs every test headless. Both install missing Debian packages first.
PRESET ?= release
JOBS ?=

.PHONY: run test setup build ci-test asan-test bench fuzz package clean

setup:
	bash scripts/setup-debian.sh

build: setup
	cmake --preset $(PRESET)
	cmake --build --preset $(PRESET) $(if $(JOBS),-j $(JOBS))

# Started from the repository root so that the program finds data/.
run: build
	./build/$(PRESET)/app/chemeng

test: build
	ctest --preset $(PRESET)

# The Debian package: build/$(PRESET)/chemeng_<version>_<arch>.deb.
# scripts/check-package.sh builds it and checks it.
package: build
	cmake --build --preset $(PRESET) --target package

# The same tests with AddressSanitizer and UndefinedBehaviorSanitizer.
asan-test: setup
	cmake --preset asan
	cmake --build --preset asan $(if $(JOBS),-j $(JOBS))
	ctest --preset asan

bench: setup
	cmake --preset bench
	cmake --build --preset bench
	@echo "Benchmarks are in build/bench/bench/"

# libFuzzer targets (clang); how to run them is in docs/robustness.md.
fuzz:
	CHEMENG_FUZZ=1 bash scripts/setup-debian.sh
	cmake --preset fuzz
	cmake --build --preset fuzz $(if $(JOBS),-j $(JOBS))
	@echo "Fuzz targets are in build/fuzz/fuzz/"

clean:
	rm -rf build
