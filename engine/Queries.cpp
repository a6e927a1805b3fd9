#include "engine/Tovrin.h"

#include "fileio/FASTAFile.h"

// The reader reports an unopenable file itself and then leaves Queries as it was.
void Tovrin::ReadQueries(std::string path) {
  FASTAFile reader;
  reader.Read(path, Queries);
}

int Tovrin::GetNumQueries() { return static_cast<int>(Queries.mSeqs.size()); }
