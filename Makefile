# The two commands: `make run` and `make test`. Both install what is missing first.
BUILD   ?= build
WERROR  ?= OFF
JOBS    ?= 2

.PHONY: all deps configure build run test clean

all: build

deps:
	@tools/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja -DQUARNEL_WERROR=$(WERROR) >/dev/null

build: configure
	@cmake --build $(BUILD) -j$(JOBS)

run: build
	@$(BUILD)/quarnel

test: build
	@cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

clean:
	rm -rf $(BUILD)
