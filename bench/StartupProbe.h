#pragma once

// A program that links the start-up probe may run a scenario of its own once its first window has
// been painted and settled, instead of simply closing; the scenario then ends the program itself.
using ProbeScenario = void (*)();
void setProbeScenario(ProbeScenario scenario);
