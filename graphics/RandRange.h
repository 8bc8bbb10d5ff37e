// A random integer between two bounds, both included, in either order.
#pragma once

int RandRange(int a, int b);
