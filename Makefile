# The two entry points a player or contributor needs:
#   make play   install what is missing, build, generate the data, start the game
#   make test   the same up to running every test suite (normal and sanitizer builds),
#               then every fuzz target for FUZZ_SECONDS each (clang build in build-fuzz/)
BUILD      ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
JOBS       ?= 2
FUZZ_SECONDS ?= 20
FUZZ_JOBS  ?= $(JOBS)
CMAKE_GEN  := -G Ninja
# A developer's ccache, when installed, makes rebuilds across checkouts cheap; CI has none.
CCACHE     := $(shell command -v ccache 2>/dev/null)
ifneq ($(CCACHE),)
CMAKE_GEN  += -DCMAKE_C_COMPILER_LAUNCHER=$(CCACHE) -DCMAKE_CXX_COMPILER_LAUNCHER=$(CCACHE)
endif

.PHONY: play test deps build asan fuzz test-normal test-asan test-fuzz bench clean

play: build
	cd $(BUILD) && ./brindlemoor

test: test-normal test-asan test-fuzz

deps:
	@tools/install-deps.sh

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo

$(ASAN_BUILD)/build.ninja: | deps
	cmake -S . -B $(ASAN_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DQOR_SANITIZE=ON

# Only the fuzz targets and what they link are built here, lightly optimised.
$(FUZZ_BUILD)/build.ninja: | deps
	cmake -S . -B $(FUZZ_BUILD) $(CMAKE_GEN) -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
	    -DCMAKE_BUILD_TYPE= -DCMAKE_C_FLAGS="-O1 -gline-tables-only" \
	    -DCMAKE_CXX_FLAGS="-O1 -gline-tables-only" -DQOR_FUZZ=ON

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j$(JOBS)

asan: deps $(ASAN_BUILD)/build.ninja
	cmake --build $(ASAN_BUILD) -j$(JOBS)

fuzz: deps $(FUZZ_BUILD)/build.ninja
	cmake --build $(FUZZ_BUILD) -j$(JOBS) --target fuzz_all

test-normal: build
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

test-asan: asan
	cd $(ASAN_BUILD) && ctest --output-on-failure -j$(JOBS)

test-fuzz: fuzz
	tests/fuzz/run-all.sh $(FUZZ_BUILD) $(FUZZ_SECONDS) $(FUZZ_JOBS)

bench: build
	cmake --build $(BUILD) -j$(JOBS) --target benchmarks
	@cd $(BUILD) && for b in bench/*; do [ -x "$$b" ] && "./$$b"; done

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
