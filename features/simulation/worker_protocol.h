#pragma once
// How the program talks to its simulator worker, takton-simulator: one worker process
// per run. The program starts it in a private empty folder (its working directory and
// HOME), writes the netlist to its standard input and closes it. The worker answers on
// its standard output, one record after another:
//
//   progress N          the transient is N % done (0...100)
//   text LINE           a line the simulator printed: "stdout ..." or "stderr ..."
//   vector LENGTH NAME  followed at once by LENGTH doubles in the machine's byte order
//   end                 every vector of the run has been written
//   done                every line the simulator printed has been passed on; the worker exits
//   quit STATUS         the simulator asked to be unloaded (it cannot recover); the worker exits
//   fatal TEXT          the worker cannot run the simulator at all; it exits
//
// The simulator's lines come through its own printing thread, one every 50 ms, so they
// may still arrive after "end"; "done" says that the last has. A worker that stops
// without "end" crashed, was killed or was told to quit.
//
// Neither side needs more than this header: the worker is a plain C++ program.

namespace takton::simulation::worker {

inline constexpr char programName[] = "takton-simulator";

inline constexpr char progressRecord[] = "progress";
inline constexpr char textRecord[] = "text";
inline constexpr char vectorRecord[] = "vector";
inline constexpr char endRecord[] = "end";
inline constexpr char doneRecord[] = "done";
inline constexpr char quitRecord[] = "quit";
inline constexpr char fatalRecord[] = "fatal";

} // namespace takton::simulation::worker
