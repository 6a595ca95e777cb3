#pragma once

// The process entry: reads the command line and runs what it asks for; returns the exit status.
namespace Entry {
int main(int argc, char** argv);
}
