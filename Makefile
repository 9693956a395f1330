# The two entry points a player or contributor needs:
#   make play   install what is missing, build, generate the data, start the game
#   make test   the same up to running every test suite (normal and sanitizer builds)
BUILD      ?= build
ASAN_BUILD ?= build-asan
JOBS       ?= 2
CMAKE_GEN  := -G Ninja
# A developer's ccache, when installed, makes rebuilds across checkouts cheap; CI has none.
CCACHE     := $(shell command -v ccache 2>/dev/null)
ifneq ($(CCACHE),)
CMAKE_GEN  += -DCMAKE_C_COMPILER_LAUNCHER=$(CCACHE) -DCMAKE_CXX_COMPILER_LAUNCHER=$(CCACHE)
endif

.PHONY: play test deps build asan test-normal test-asan bench clean

play: build
	cd $(BUILD) && ./brindlemoor

test: test-normal test-asan

deps:
	@tools/install-deps.sh

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo

$(ASAN_BUILD)/build.ninja: | deps
	cmake -S . -B $(ASAN_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DQOR_SANITIZE=ON

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j$(JOBS)

asan: deps $(ASAN_BUILD)/build.ninja
	cmake --build $(ASAN_BUILD) -j$(JOBS)

test-normal: build
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

test-asan: asan
	cd $(ASAN_BUILD) && ctest --output-on-failure -j$(JOBS)

bench: build
	cmake --build $(BUILD) -j$(JOBS) --target benchmarks
	@cd $(BUILD) && for b in bench/*; do [ -x "$$b" ] && "./$$b"; done

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
