# Entry points for a fresh Debian 12 machine. Each target installs the
# packages it needs first (scripts/install-deps.sh, idempotent).
JOBS ?= $(shell nproc)
PREFIX ?= /usr/local
FUZZ_SECONDS ?= 60

.PHONY: all deps build run test bench fuzz screenshot install package clean

all: build

deps:
	@bash scripts/install-deps.sh

build: deps
	cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DMIREL_TESTS=OFF
	cmake --build build/release -j $(JOBS)

# DESTDIR=... stages the files under a scratch root.
install: build
	DESTDIR="$(DESTDIR)" cmake --install build/release --prefix "$(PREFIX)"
	@if [ -z "$(DESTDIR)" ] && command -v update-mime-database >/dev/null; then \
	  update-mime-database "$(PREFIX)/share/mime" || true; fi

# A Debian package in build/release (install with apt install ./build/release/mirel_*.deb).
package: build
	cd build/release && cpack -G DEB

run: build
	@bash scripts/run.sh "$(FILE)"

test: deps
	cmake -S . -B build/debug -G Ninja -DCMAKE_BUILD_TYPE=Debug -DMIREL_SANITIZE=ON
	cmake --build build/debug -j $(JOBS)
	cd build/debug && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j $(JOBS)

bench: deps
	cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DMIREL_TESTS=OFF -DMIREL_BENCH=ON
	cmake --build build/bench -j $(JOBS)
	@bash scripts/run-bench.sh build/bench

fuzz: deps
	CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DMIREL_TESTS=OFF -DMIREL_QT=OFF -DMIREL_FUZZ=ON
	cmake --build build/fuzz -j $(JOBS)
	@bash scripts/run-fuzz.sh build/fuzz $(FUZZ_SECONDS)

screenshot: build
	@bash scripts/screenshot.sh

clean:
	rm -rf build out
