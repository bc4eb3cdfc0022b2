#pragma once

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace tallywick {

// Lines kept one after another in one block of text: adding a line allocates nothing but now
// and then a larger block.
class LineList {
public:
    class const_iterator {
    public:
        using iterator_category = std::random_access_iterator_tag;
        using value_type = std::string_view;
        using difference_type = std::ptrdiff_t;
        using pointer = void;
        using reference = std::string_view;

        const_iterator() = default;
        std::string_view operator*() const { return (*list_)[index_]; }
        const_iterator& operator++()
        {
            ++index_;
            return *this;
        }
        const_iterator operator++(int)
        {
            auto before = *this;
            ++index_;
            return before;
        }
        difference_type operator-(const const_iterator& other) const
        {
            return static_cast<difference_type>(index_) - static_cast<difference_type>(other.index_);
        }
        bool operator==(const const_iterator& other) const { return index_ == other.index_; }

    private:
        friend class LineList;
        const_iterator(const LineList* list, std::size_t index) : list_(list), index_(index) {}
        const LineList* list_ = nullptr;
        std::size_t index_ = 0;
    };
    using iterator = const_iterator;
    using value_type = std::string_view;

    void push_back(std::string_view line)
    {
        text_.append(line);
        ends_.push_back(text_.size());
    }
    void reserve(std::size_t lines, std::size_t bytes)
    {
        ends_.reserve(lines);
        text_.reserve(bytes);
    }

    std::size_t size() const { return ends_.size(); }
    bool empty() const { return ends_.empty(); }
    std::string_view operator[](std::size_t i) const
    {
        const std::size_t begin = i == 0 ? 0 : ends_[i - 1];
        return std::string_view(text_).substr(begin, ends_[i] - begin);
    }
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, ends_.size()}; }

    bool operator==(const LineList&) const = default;
    friend bool operator==(const LineList& list, const std::vector<std::string>& lines)
    {
        return list.size() == lines.size() && std::equal(list.begin(), list.end(), lines.begin());
    }

private:
    std::string text_;
    std::vector<std::size_t> ends_; // where each line ends in text_
};

} // namespace tallywick
