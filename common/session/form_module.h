#pragma once
// A module whose screen is one form over one data module, the same with the side dialogs the
// form opens, and a report screen's module.

#include <QDialog>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "lang/table_files.h"
#include "session/module_frame.h"

namespace orvant {

// The form is made with the session and the help file; the module's own steps at the first
// activation (`started`) are the derived module's.
template <class Data, class Form>
class FormModule : public Module {
public:
    explicit FormModule(ModuleContext& context) : context_(context) {}

    std::unique_ptr<DataModule> createDataModule() override { return kept(data_); }
    std::unique_ptr<QDialog> createMainForm() override { return kept(form_, context_.session(), context_.helpFile()); }

protected:
    ModuleContext& context() const { return context_; }
    Data& data() const { return *data_; }
    Form& form() const { return *form_; }

private:
    // Makes what the frame will own, keeping its address for the module's steps.
    template <class T, class... Args>
    static std::unique_ptr<T> kept(T*& address, Args&&... args)
    {
        auto made = std::make_unique<T>(std::forward<Args>(args)...);
        address = made.get();
        return made;
    }

    ModuleContext& context_;
    Data* data_ = nullptr;
    Form* form_ = nullptr;
};

// The side dialogs are made with the form (its children, in the order `Dialog...` names them)
// and handed to it as `Dialogs`, its struct of their pointers in that order, once `open` has
// readied the data over its opened tables.
template <class Data, class Form, class Dialogs, class... Dialog>
class DialogFormModule : public FormModule<Data, Form> {
public:
    using Open = std::function<void(Data& data, const Session& session)>;

    DialogFormModule(ModuleContext& context, Open open) : FormModule<Data, Form>(context), open_(std::move(open)) {}

    std::vector<std::unique_ptr<QWidget>> createDialogs() override
    {
        std::vector<std::unique_ptr<QWidget>> all;
        // A braced list runs left to right: the dialogs are made in their order.
        dialogs_ = Dialogs{made<Dialog>(all)...};
        return all;
    }

    void started() override
    {
        open_(this->data(), this->context().session());
        this->form().start(this->data(), dialogs_);
    }

private:
    template <class D>
    D* made(std::vector<std::unique_ptr<QWidget>>& all)
    {
        all.push_back(std::make_unique<D>(&this->form()));
        return static_cast<D*>(all.back().get());
    }

    Open open_;
    Dialogs dialogs_;
};

// A report screen's module: its form starts with its data and the module's language table, which
// holds the report's texts. Runs as the module `code` ("rcvaging"); `entryPoint` is the module's
// own ShowDllForm.
template <class Data, class Form>
std::int32_t RunReportModule(const TLinkSection& link, const char* code, const void* entryPoint)
{
    class ReportModule : public FormModule<Data, Form> {
    public:
        using FormModule<Data, Form>::FormModule;

        void started() override
        {
            const ModuleContext& context = this->context();
            this->form().start(this->data(), lang::OpenLanguageTable(context.languagesDir(), context.languageTable()));
        }
    };
    const ModuleTraits traits{code};
    return RunModule(link, traits, [](ModuleContext& context) { return std::make_unique<ReportModule>(context); }, entryPoint);
}

}  // namespace orvant
