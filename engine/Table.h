#ifndef TOVRIN_ENGINE_TABLE_H
#define TOVRIN_ENGINE_TABLE_H

#include <string>
#include <utility>
#include <vector>

// A dense table of mRows rows of mCols cells; row r is an array the table owns.
// Copies are deep, so two tables never free the same row.
template <class T>
class Table {
public:
  std::vector<T*> mData;
  std::vector<std::string> mRowNames;
  std::vector<std::string> mColNames;
  int mRows;
  int mCols;

  Table() : mRows(0), mCols(0) {}
  Table(const Table& o) : mRowNames(o.mRowNames), mColNames(o.mColNames), mRows(o.mRows), mCols(o.mCols) {
    CopyRows(o);
  }
  Table(Table&& o) noexcept
      : mData(std::move(o.mData)), mRowNames(std::move(o.mRowNames)), mColNames(std::move(o.mColNames)),
        mRows(o.mRows), mCols(o.mCols) {
    o.mData.clear();
    o.mRows = o.mCols = 0;
  }
  Table& operator=(Table o) noexcept {
    Swap(o);
    return *this;
  }
  ~Table() { DeAllocate(); }

  // Appends rows of cols cells (zeroed) and sets both sizes.
  // rows <= 0 makes no row; a negative cols gives empty rows. If an allocation
  // fails, the rows made so far are freed and the table is left without rows.
  void Allocate(int rows, int cols) {
    const size_t width = cols > 0 ? static_cast<size_t>(cols) : 0;
    try {
      if (rows > 0) mData.reserve(mData.size() + static_cast<size_t>(rows));
      for (int r = 0; r < rows; ++r) mData.push_back(new T[width]());
    } catch (...) {
      FreeRows();
      mRows = mCols = 0;
      throw;
    }
    mRows = rows;
    mCols = cols;
  }

  // Sets every cell to value.
  void Init(T value) {
    for (int r = 0; r < mRows && static_cast<size_t>(r) < mData.size(); ++r)
      for (int c = 0; c < mCols; ++c) mData[r][c] = value;
  }

  // Frees the rows and zeroes the sizes; a table without rows keeps its sizes.
  void DeAllocate() {
    if (mData.empty()) return;
    FreeRows();
    mRows = mCols = 0;
  }

  void Swap(Table& o) noexcept {
    mData.swap(o.mData);
    mRowNames.swap(o.mRowNames);
    mColNames.swap(o.mColNames);
    std::swap(mRows, o.mRows);
    std::swap(mCols, o.mCols);
  }

private:
  void FreeRows() {
    for (T* row : mData) delete[] row;
    mData.clear();
  }
  void CopyRows(const Table& o) {
    const size_t width = o.mCols > 0 ? static_cast<size_t>(o.mCols) : 0;
    try {
      mData.reserve(o.mData.size());
      for (const T* src : o.mData) {
        T* row = new T[width];
        for (size_t c = 0; c < width; ++c) row[c] = src[c];
        mData.push_back(row);
      }
    } catch (...) {
      FreeRows();
      throw;
    }
  }
};

#endif
