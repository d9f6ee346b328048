# Kartola: `make run` plays the game on the bundled card sets, `make test` runs every test,
# `make install` installs the game, `make deb` builds its Debian package. Each installs what a fresh
# Debian machine lacks for it first (scripts/setup.sh): playing and installing need only the
# compiler and the libraries, the tests also their tools.

BUILD      ?= build
ASAN_BUILD ?= build-asan
JOBS       ?= $(shell nproc)
CMAKE_ARGS ?=
# A compiler cache, where installed, makes the several builds of `make test` and every rebuild cheap.
CCACHE     := $(shell command -v ccache 2>/dev/null)
LAUNCHER   := $(if $(CCACHE),-DCMAKE_C_COMPILER_LAUNCHER=$(CCACHE) -DCMAKE_CXX_COMPILER_LAUNCHER=$(CCACHE))
WERROR     :=
# What `build` builds: everything, or (for `make run`) only the named targets.
TARGETS    :=
# The options of scripts/setup.sh: none for building and playing, --test for the test tools.
SETUP      :=

.PHONY: all setup build build-asan run test test-fast test-asan test-release test-clang fuzz fuzz-long format \
	clean bench deb

all: build

setup:
	@bash scripts/setup.sh $(SETUP)

build: setup
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(LAUNCHER) $(WERROR) $(CMAKE_ARGS) >/dev/null
	@cmake --build $(BUILD) -j$(JOBS) $(if $(TARGETS),--target $(TARGETS))

build-asan: setup
	@cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DTK_SANITIZE=ON $(LAUNCHER) $(WERROR) $(CMAKE_ARGS) >/dev/null
	@cmake --build $(ASAN_BUILD) -j$(JOBS)

# Installs the program, its card sets, desktop entry, metainfo, icons and manual page under
# PREFIX; DESTDIR stages them in a folder first, as packagers do. It builds in a folder of its own
# without the tests and benchmarks, so only the game and its icons are compiled; the paths the
# installed files name are those of PREFIX, whatever an earlier install used.
PREFIX        ?= /usr/local
INSTALL_BUILD ?= build-install
.PHONY: install
install: setup
	@cmake -S . -B $(INSTALL_BUILD) -DCMAKE_BUILD_TYPE=Release -DTK_TESTS=OFF -DTK_BENCH=OFF \
		-DCMAKE_INSTALL_PREFIX="$(PREFIX)" $(LAUNCHER) $(CMAKE_ARGS) >/dev/null
	@cmake --build $(INSTALL_BUILD) -j$(JOBS)
	@DESTDIR="$(DESTDIR)" cmake --install $(INSTALL_BUILD) --prefix "$(PREFIX)"

# The Debian package kartola_<version>_amd64.deb in the checkout's parent folder, built as
# Debian's own builders do (dpkg-buildpackage, with debian/), from the game alone.
deb: SETUP := --deb
deb: setup
	@DEB_BUILD_OPTIONS="parallel=$(JOBS) $(DEB_BUILD_OPTIONS)" $(if $(CCACHE),KARTOLA_CCACHE=$(CCACHE)) \
		dpkg-buildpackage -us -uc -b
	@ls -1 ../kartola_*.deb

# Plays the game in a work folder beside the bundled card sets ("DATA..." folders are looked for in "..").
run: TARGETS := kartola
run: build
	@bash scripts/run-game.sh $(BUILD) $(ARGS)

# The whole suite: the normal build, a short run of each fuzzer (skipped with a message where
# clang is missing), then the same tests under AddressSanitizer and UBSan.
test: test-fast fuzz test-asan

# The project's own checks treat warnings as errors; a plain build (and `make run`) does not.
test test-fast test-asan: WERROR := -DTK_WERROR=ON
# The tests, fuzzers and benchmarks need their tools installed as well.
test test-fast test-asan test-release test-clang fuzz fuzz-long bench: SETUP := --test

test-fast: build
	@cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

test-asan: build-asan
	@cd $(ASAN_BUILD) && ctest --output-on-failure -j$(JOBS) -LE 'xvfb|install'

# Two more builds that CI runs after `make test`, so that neither a packager's Release build nor
# clang can break unseen: each in its own folder, configured as a packager would (warnings stay
# warnings: the normal build is where they are errors), without the benchmarks, and without the
# tests the normal build already runs that only cost time here (a real X server, the long soak,
# valgrind, installing).
RELEASE_BUILD ?= build-release
CLANG_BUILD   ?= build-clang
EXTRA_LE      := xvfb|soak|valgrind|install

# extra_build <folder> <cmake arguments>: configures, builds and tests one such build.
define extra_build
	@cmake -S . -B $(1) $(2) -DTK_BENCH=OFF $(LAUNCHER) $(CMAKE_ARGS) >/dev/null
	@cmake --build $(1) -j$(JOBS)
	@cd $(1) && ctest --output-on-failure -j$(JOBS) -LE '$(EXTRA_LE)'
endef

test-release: setup
	$(call extra_build,$(RELEASE_BUILD),-DCMAKE_BUILD_TYPE=Release)

# clang's warnings come from its front end whatever the optimisation, so this build skips
# optimising, which keeps it quick; the Release build above is the optimised one.
test-clang: setup
	$(call extra_build,$(CLANG_BUILD),-DCMAKE_BUILD_TYPE=Debug -DCMAKE_C_COMPILER=clang \
		-DCMAKE_CXX_COMPILER=clang++)

fuzz: setup
	@bash scripts/fuzz-smoke.sh

# Every benchmark, one after the other; each prints its ratio or figure last. A new benchmark only
# needs its build target's name added to BENCHES (programs are run, script targets are built).
BENCHES := bench_blit bench_text bench_frame bench_thumbnails bench_present_cpu bench_game_idle_cpu

bench: build
	@for b in $(BENCHES); do echo "== $$b"; \
		if [ -x $(BUILD)/bench/$$b ]; then $(BUILD)/bench/$$b || exit 1; \
		else cmake --build $(BUILD) --target $$b || exit 1; fi; echo; done

# Every fuzzer for ten minutes, growing and minimising the kept corpus in fuzz/corpus/.
fuzz-long: setup
	@FUZZ_SECONDS=600 FUZZ_KEEP_CORPUS=1 bash scripts/fuzz-smoke.sh

# The pinned formatter's version (see .clang-format).
format:
	@git ls-files '*.h' '*.cpp' | xargs clang-format-14 -i

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(RELEASE_BUILD) $(CLANG_BUILD)

# Redraws and resynthesises the program's resources, the bundled card sets and
# docs/contact_sheet.png with the tools in tools/ (needs espeak-ng and sox: setup.sh --tools).
.PHONY: resources
resources:
	@bash scripts/setup.sh --tools
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_ARGS) >/dev/null
	@cmake --build $(BUILD) --target kartola_resgen -j$(JOBS)
	@bash tools/regenerate.sh $(BUILD)/tools/kartola_resgen
