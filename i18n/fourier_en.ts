<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>CommandLine</name>
    <message>
        <source>Использование: fourier [--language ru|en] [--seed ЧИСЛО] [ФАЙЛ.fourier]
  ФАЙЛ.fourier        открыть урок или сохранённый сигнал
  --language ru|en    язык программы на этот запуск (русский или English)
  --seed ЧИСЛО        зерно раундов игры «Угадай сигнал» (одно на весь класс)
  --help              эта справка
</source>
        <translation>Usage: fourier [--language ru|en] [--seed NUMBER] [FILE.fourier]
  FILE.fourier        open a lesson or a saved signal
  --language ru|en    the program’s language for this run (Russian or English)
  --seed NUMBER       seed of the rounds of the game “Guess the signal” (one for the whole class)
  --help              this help
</translation>
    </message>
    <message>
        <source>--language: «%1» — известны ru (русский) и en (English)</source>
        <translation>--language: “%1” is unknown; the languages are ru (Russian) and en (English)</translation>
    </message>
    <message>
        <source>--seed: «%1» — не целое число от 0 до 18446744073709551615</source>
        <translation>--seed: “%1” is not a whole number from 0 to 18446744073709551615</translation>
    </message>
    <message>
        <source>--seed: не указано число</source>
        <translation>--seed: the number is missing</translation>
    </message>
    <message>
        <source>--language: не указан язык (ru или en)</source>
        <translation>--language: the language is missing (ru or en)</translation>
    </message>
    <message>
        <source>Неизвестный параметр «%1»; fourier --help перечисляет параметры</source>
        <translation>Unknown option “%1”; fourier --help lists the options</translation>
    </message>
    <message>
        <source>Открыть можно один файл, а указаны «%1» и «%2»</source>
        <translation>Only one file can be opened, but “%1” and “%2” are given</translation>
    </message>
</context>
<context>
    <name>Fourier::DrawPane</name>
    <message>
        <source>С клавиатуры: ←, → — курсор на отсчёт (с Ctrl, PageUp, PageDown — на 16), Home, End — к краям; ↑, ↓ — значение; Пробел — начало отрезка, следующий Пробел рисует отрезок до курсора; Enter — закончить. Ctrl+Delete — очистить, Ctrl+M — взять из главного окна.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>отрезок</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Курсор клавиатуры появится, когда рисунок получит фокус.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Курсор: отсчёт %1, x = %2, значение %3 (шаг ↑↓ %4)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>; отрезок от x = %1, значение %2</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>Fourier::FormulaPane</name>
    <message>
        <source>формула от x, например x^2</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Построить</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Примеры…</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Следовать за главным окном</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>f(x) =</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Своя функция: f(x) = %1</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Понято как: %1 (%2)</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>Fourier::LabView</name>
    <message>
        <source>Значения сигнала слишком велики (больше 10¹⁵⁰ по модулю) или не конечны: их энергию и ошибку приближения не сосчитать, и здесь ничего не показано.</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>Fourier::LessonDialog</name>
    <message>
        <source>Сохранить урок</source>
        <translation>Save lesson</translation>
    </message>
    <message>
        <source>&amp;Название:</source>
        <translation>&amp;Title:</translation>
    </message>
    <message>
        <source>&amp;Задание:</source>
        <translation>T&amp;ask:</translation>
    </message>
    <message>
        <source>&amp;Скрыть у учеников:</source>
        <translation>&amp;Hide from the students:</translation>
    </message>
    <message>
        <source>Скрытое — подсказка для урока, а не защита: файл урока можно открыть и изменить.</source>
        <translation>Hiding is a teaching aid, not protection: a lesson file can be opened and changed.</translation>
    </message>
    <message>
        <source>Задание длиннее %1 знаков (сейчас %2): сократите его.</source>
        <translation>The task is longer than %1 characters (now %2): shorten it.</translation>
    </message>
</context>
<context>
    <name>Fourier::LessonKeeper</name>
    <message>
        <source>Урок или сигнал «Фурье» (*%1)</source>
        <translation>Fourier lesson or signal (*%1)</translation>
    </message>
    <message>
        <source>Файл «%1» не открыт: %2</source>
        <translation>The file “%1” was not opened: %2</translation>
    </message>
    <message>
        <source>урок</source>
        <translation>lesson</translation>
    </message>
    <message>
        <source>Открыть урок</source>
        <translation>Open lesson</translation>
    </message>
    <message>
        <source>Сохранить урок</source>
        <translation>Save lesson</translation>
    </message>
    <message>
        <source>Открыть урок…</source>
        <translation>Open lesson…</translation>
    </message>
    <message>
        <source>Сохранить урок…</source>
        <translation>Save lesson…</translation>
    </message>
    <message>
        <source>Задание</source>
        <translation>Task</translation>
    </message>
</context>
<context>
    <name>Fourier::PictureExport</name>
    <message>
        <source>Сохранить рисунок…</source>
        <translation>Save picture…</translation>
    </message>
    <message>
        <source>Копировать рисунок</source>
        <translation>Copy picture</translation>
    </message>
    <message>
        <source>Сохранить рисунок</source>
        <translation>Save picture</translation>
    </message>
    <message>
        <source>рисунок.png</source>
        <translation>picture.png</translation>
    </message>
    <message>
        <source>Рисунок PNG (*.png)</source>
        <translation>PNG picture (*.png)</translation>
    </message>
    <message>
        <source>Сохранить данные…</source>
        <translation>Save data…</translation>
    </message>
    <message>
        <source>Сохранить данные</source>
        <translation>Save data</translation>
    </message>
    <message>
        <source>данные.csv</source>
        <translation>data.csv</translation>
    </message>
    <message>
        <source>Таблица CSV (*.csv)</source>
        <translation>CSV table (*.csv)</translation>
    </message>
    <message>
        <source>рисунок не удалось закодировать в PNG</source>
        <translation>the picture could not be encoded as PNG</translation>
    </message>
    <message>
        <source>данных для сохранения пока нет</source>
        <translation>there is no data to save yet</translation>
    </message>
</context>
<context>
    <name>Fourier::SoundPane</name>
    <message>
        <source>Звук: период, сложенный из гармоник ниже 24 кГц, звучит непрерывно; громкости сигнала, Sₖ и гармоник сравнимы между собой.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Сигнал</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Играть</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source> с</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Сохранить звук…</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Звук: ищу устройство вывода…</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Звучит:</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Основной тон:</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Громкость:</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Длина файла:</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Сохранить звук</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>звук.wav</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Звук WAV (*.wav)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Стоп</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Вывод звука: %1, 48 кГц.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Нет устройства вывода звука: звук можно только сохранить в файл.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Частичная сумма S%1</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Гармоника %1 отдельно</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Звучат все гармоники сигнала, 1–255.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Звучат гармоники сигнала 1–%1; выше %2 — за пределом 24 кГц.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>S%1 пуста: звучать нечему.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Звучат гармоники 1–%1.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Звучат гармоники 1–%1; с %2-й они выше 24 кГц и не слышны.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Гармоника 0 — постоянная составляющая: она не звучит.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Звучит гармоника %1: %2.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Гармоника %1 выше 24 кГц: не слышна.</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>Fourier::SoundWorker</name>
    <message>
        <source>Нет устройства вывода звука.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Вывод звука прервался: устройство недоступно.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Не удалось открыть вывод звука.</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>Fourier::TaskWindow</name>
    <message>
        <source>Задание</source>
        <translation>Task</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>LabAccessibility</name>
    <message>
        <source>Заголовок</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Какой сигнал показан и с какими настройками</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Вкладки лаборатории</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Виды и панели лаборатории, Ctrl+1…Ctrl+0</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>График сходимости</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Ошибка, доля энергии и выброс частичных сумм</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>График остатка</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Сигнал, частичная сумма и остаток</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>График коэффициента</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Подынтегральная функция и накопленный интеграл</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>График спектра</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Амплитуды и фазы гармоник</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Таблица спектра</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>По строке на гармонику: k, a_k, b_k, A_k, φ_k</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Отсчёты сигнала</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Сигнал и его отсчёты</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Спектр отсчётов</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Спектр взятых отсчётов</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Отрывок</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Отрывок из нескольких периодов</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Окно</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Спектральное окно отрывка</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Отсчётов на период</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Сколько отсчётов берётся за период</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Периодов в отрывке</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Сколько периодов в отрывке</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Окно отрывка</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Спектральное окно, на которое умножен отрывок</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Вращающиеся окружности</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Гармоники как окружности и след их суммы</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Время t за период</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Момент, который показывают окружности</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Порядок окружностей</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>В каком порядке окружности сложены</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Формула</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Своя функция f(x); Enter строит её</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Примеры формул</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Готовые формулы на выбор</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Рисунок сигнала</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Поле, на котором рисуют период сигнала</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Столбики коэффициентов</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Коэффициенты гармоник 1…32; стрелки меняют столбик</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Ваш сигнал в коэффициентах гармоник 1…32</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>График игры</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Цель и ваш сигнал на одном периоде</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Значение столбика</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Значение выбранного столбика</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Вид столбиков</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>a_k и b_k или A_k и φ_k</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Скорость</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Гармоник в секунду при нарастании</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>До гармоники</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Последняя гармоника нарастания</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Сдвиг во времени</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>На сколько сдвинуть сигнал</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Основная частота</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Частота первой гармоники звука</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Громкость</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Громкость звука в процентах</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Длина файла</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Сколько секунд звука сохранить</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Уровень</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Уровень игры</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Зерно</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Число, из которого выбирается цель</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>График</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Движок</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Числовое поле</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Список выбора</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Поле ввода</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Флажок</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Переключатель</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Кнопка</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Пояснение</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Заголовки таблицы</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Таблица</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Вкладки</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Панель инструментов</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Разделённая область</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Меню</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Строка состояния</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Прокручиваемая область</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Рамка</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Панель</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Вкладка «%1»</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Что показано: последний анализ или синтез</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Сигнал не измерить: значения слишком велики или не конечны</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>LabLauncher</name>
    <message>
        <source>Лаборатория не загружена: нет файла %1.</source>
        <translation>The lab was not loaded: there is no file %1.</translation>
    </message>
    <message>
        <source>Лаборатория не загружена: %1</source>
        <translation>The lab was not loaded: %1</translation>
    </message>
    <message>
        <source>Лаборатория…</source>
        <translation>Lab…</translation>
    </message>
    <message>
        <source>Справка</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>&amp;Файл</source>
        <translation>&amp;File</translation>
    </message>
</context>
<context>
    <name>LessonDialog</name>
    <message>
        <source>Выбор функции</source>
        <translation>Choice of function</translation>
    </message>
    <message>
        <source>Первый движок</source>
        <translation>First slider</translation>
    </message>
    <message>
        <source>Второй движок (слева)</source>
        <translation>Second slider (left)</translation>
    </message>
    <message>
        <source>Третий движок (справа)</source>
        <translation>Third slider (right)</translation>
    </message>
    <message>
        <source>Номер гармоники</source>
        <translation>Harmonic number</translation>
    </message>
    <message>
        <source>«Сумма гармоник»</source>
        <translation>“Sum of harmonics”</translation>
    </message>
    <message>
        <source>«Последняя: sin, cos»</source>
        <translation>“Last: sin, cos”</translation>
    </message>
    <message>
        <source>Кнопка «Сброс»</source>
        <translation>“Reset” button</translation>
    </message>
    <message>
        <source>Кнопка «Анализ»</source>
        <translation>“Analysis” button</translation>
    </message>
    <message>
        <source>Кнопка «Синтез»</source>
        <translation>“Synthesis” button</translation>
    </message>
    <message>
        <source>«Перерисовывать»</source>
        <translation>“Redraw”</translation>
    </message>
    <message>
        <source>Вся группа «Синтез»</source>
        <translation>The whole “Synthesis” group</translation>
    </message>
    <message>
        <source>График</source>
        <translation>Graph</translation>
    </message>
    <message>
        <source>Спектр</source>
        <translation>Spectrum</translation>
    </message>
    <message>
        <source>Лаборатория: Сходимость</source>
        <translation>Lab: Convergence</translation>
    </message>
    <message>
        <source>Лаборатория: Остаток</source>
        <translation>Lab: Residual</translation>
    </message>
    <message>
        <source>Лаборатория: Коэффициент</source>
        <translation>Lab: Coefficient</translation>
    </message>
    <message>
        <source>Лаборатория: Спектр</source>
        <translation>Lab: Spectrum</translation>
    </message>
    <message>
        <source>Лаборатория: Звук</source>
        <translation>Lab: Sound</translation>
    </message>
    <message>
        <source>Лаборатория: Своя функция</source>
        <translation>Lab: Own function</translation>
    </message>
    <message>
        <source>Лаборатория: Нарисовать</source>
        <translation>Lab: Draw</translation>
    </message>
    <message>
        <source>Лаборатория: Коэффициенты</source>
        <translation>Lab: Coefficients</translation>
    </message>
    <message>
        <source>Лаборатория: Гармоники</source>
        <translation>Lab: Harmonics</translation>
    </message>
    <message>
        <source>Лаборатория: Операции</source>
        <translation>Lab: Operations</translation>
    </message>
    <message>
        <source>Лаборатория: Круги</source>
        <translation>Lab: Circles</translation>
    </message>
    <message>
        <source>Лаборатория: Дискретизация</source>
        <translation>Lab: Sampling</translation>
    </message>
    <message>
        <source>Лаборатория: Угадай сигнал</source>
        <translation>Lab: Guess the signal</translation>
    </message>
</context>
<context>
    <name>LessonKeeper</name>
    <message>
        <source>он больше 1 МБ, а урок и сигнал занимают несколько килобайт</source>
        <translation>it is larger than 1 MB, while a lesson or a signal takes a few kilobytes</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Можно: числа (2,5 или 2.5), x, + - * / ^, скобки, sin( ) cos( ) tg( ) ln( ); минус впереди (-x^2, 2*-x); пробелы между частями.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Можно: числа (2.5), x, + - * / ^, скобки, sin( ) cos( ) tg( ) ln( ); минус впереди (-x^2, 2*-x); пробелы между частями.</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Главное окно: график сигнала, его спектр и синтез по гармоникам</source>
        <translation>Main window: the graph of the signal, its spectrum and the synthesis from harmonics</translation>
    </message>
    <message>
        <source>Средняя панель</source>
        <translation>Middle panel</translation>
    </message>
    <message>
        <source>Выбор функции, спектр и синтез</source>
        <translation>Choice of function, spectrum and synthesis</translation>
    </message>
    <message>
        <source>Верхняя панель</source>
        <translation>Top panel</translation>
    </message>
    <message>
        <source>Панель с графиком сигнала</source>
        <translation>Panel with the graph of the signal</translation>
    </message>
    <message>
        <source>Нижняя панель</source>
        <translation>Bottom panel</translation>
    </message>
    <message>
        <source>Кнопки анализа, синтеза и выхода</source>
        <translation>Buttons for analysis, synthesis and exit</translation>
    </message>
    <message>
        <source>График</source>
        <translation>Graph</translation>
    </message>
    <message>
        <source>Ширина импульса</source>
        <translation>Pulse width</translation>
    </message>
    <message>
        <source>Подпись к ширине импульса</source>
        <translation>Caption of the pulse width</translation>
    </message>
    <message>
        <source>Формула</source>
        <translation>Formula</translation>
    </message>
    <message>
        <source>Формула выбранной функции от x</source>
        <translation>Formula of the chosen function of x</translation>
    </message>
    <message>
        <source>Начало отрезка по x</source>
        <translation>Start of the x interval</translation>
    </message>
    <message>
        <source>Левый конец отрезка, на котором берутся отсчёты</source>
        <translation>Left end of the interval the samples are taken on</translation>
    </message>
    <message>
        <source>Конец отрезка по x</source>
        <translation>End of the x interval</translation>
    </message>
    <message>
        <source>Правый конец отрезка, на котором берутся отсчёты</source>
        <translation>Right end of the interval the samples are taken on</translation>
    </message>
    <message>
        <source>Панель спектра</source>
        <translation>Spectrum panel</translation>
    </message>
    <message>
        <source>Панель со спектром сигнала</source>
        <translation>Panel with the spectrum of the signal</translation>
    </message>
    <message>
        <source>Нижняя граница графика</source>
        <translation>Lower limit of the graph</translation>
    </message>
    <message>
        <source>Наименьшее значение по вертикали при синтезе</source>
        <translation>Smallest vertical value in the synthesis</translation>
    </message>
    <message>
        <source>Верхняя граница графика</source>
        <translation>Upper limit of the graph</translation>
    </message>
    <message>
        <source>Наибольшее значение по вертикали при синтезе</source>
        <translation>Largest vertical value in the synthesis</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Отрезок по x — период от −π до π</source>
        <translation>The x interval is the period from −π to π</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>Вертикальный масштаб по значениям сигнала</source>
        <translation>Vertical scale from the values of the signal</translation>
    </message>
    <message>
        <source>Панель функции</source>
        <translation>Function panel</translation>
    </message>
    <message>
        <source>Выбор функции и её параметров</source>
        <translation>Choice of the function and its parameters</translation>
    </message>
    <message>
        <source>Спектр</source>
        <translation>Spectrum</translation>
    </message>
    <message>
        <source>Подпись третьего движка</source>
        <translation>Caption of the third slider</translation>
    </message>
    <message>
        <source>Что задаёт третий движок</source>
        <translation>What the third slider sets</translation>
    </message>
    <message>
        <source>Подпись второго движка</source>
        <translation>Caption of the second slider</translation>
    </message>
    <message>
        <source>Что задаёт второй движок</source>
        <translation>What the second slider sets</translation>
    </message>
    <message>
        <source>Подпись первого движка</source>
        <translation>Caption of the first slider</translation>
    </message>
    <message>
        <source>Что задаёт первый движок</source>
        <translation>What the first slider sets</translation>
    </message>
    <message>
        <source>Функция</source>
        <translation>Function</translation>
    </message>
    <message>
        <source>Выберите функцию для анализа</source>
        <translation>Choose the function to analyse</translation>
    </message>
    <message>
        <source>Положение первого движка</source>
        <translation>Position of the first slider</translation>
    </message>
    <message>
        <source>Первый параметр выбранной функции</source>
        <translation>First parameter of the chosen function</translation>
    </message>
    <message>
        <source>Положение третьего движка</source>
        <translation>Position of the third slider</translation>
    </message>
    <message>
        <source>Третий параметр выбранной функции</source>
        <translation>Third parameter of the chosen function</translation>
    </message>
    <message>
        <source>Положение второго движка</source>
        <translation>Position of the second slider</translation>
    </message>
    <message>
        <source>Второй параметр выбранной функции</source>
        <translation>Second parameter of the chosen function</translation>
    </message>
    <message>
        <source>Панель кнопки «Построить»</source>
        <translation>Panel of the “Plot” button</translation>
    </message>
    <message>
        <source>Место кнопки «Построить»</source>
        <translation>Place of the “Plot” button</translation>
    </message>
    <message>
        <source>Строить автоматически</source>
        <translation>Plot automatically</translation>
    </message>
    <message>
        <source>Анализировать сразу при каждом движении движка</source>
        <translation>Analyse at once on every move of a slider</translation>
    </message>
    <message>
        <source>Панель синтеза</source>
        <translation>Synthesis panel</translation>
    </message>
    <message>
        <source>Место рамки «Синтез»</source>
        <translation>Place of the “Synthesis” frame</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Закрыть программу</source>
        <translation>Close the program</translation>
    </message>
    <message>
        <source>Построить</source>
        <translation>Plot</translation>
    </message>
    <message>
        <source>Построить график и спектр</source>
        <translation>Plot the graph and the spectrum</translation>
    </message>
    <message>
        <source>Синтез</source>
        <translation>Synthesis</translation>
    </message>
    <message>
        <source>Сумма гармоник ряда Фурье до выбранного номера</source>
        <translation>Sum of the harmonics of the Fourier series up to the chosen number</translation>
    </message>
    <message>
        <source>Номер гармоники</source>
        <translation>Harmonic number</translation>
    </message>
    <message>
        <source>Подпись к полю номера гармоники</source>
        <translation>Caption of the harmonic number field</translation>
    </message>
    <message>
        <source>Сброс</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Номер гармоники обратно в 0</source>
        <translation>Harmonic number back to 0</translation>
    </message>
    <message>
        <source>До какой гармоники суммировать ряд, от 0 до 32</source>
        <translation>Up to which harmonic the series is summed, from 0 to 32</translation>
    </message>
    <message>
        <source>Сумма гармоник</source>
        <translation>Sum of harmonics</translation>
    </message>
    <message>
        <source>Рисовать сумму гармоник 1…k</source>
        <translation>Draw the sum of harmonics 1…k</translation>
    </message>
    <message>
        <source>Рисовать без спросу</source>
        <translation>Draw at once</translation>
    </message>
    <message>
        <source>Синтезировать сразу при смене номера гармоники</source>
        <translation>Synthesise at once when the harmonic number changes</translation>
    </message>
    <message>
        <source>Последняя:</source>
        <translation>Last:</translation>
    </message>
    <message>
        <source>Какую часть гармоники k рисовать отдельно</source>
        <translation>Which part of harmonic k to draw on its own</translation>
    </message>
    <message>
        <source>Анализ</source>
        <translation>Analysis</translation>
    </message>
    <message>
        <source>Нарисовать сумму гармоник до выбранного номера</source>
        <translation>Draw the sum of harmonics up to the chosen number</translation>
    </message>
    <message>
        <source>Учебная программа «Фурье», 2026</source>
        <translation>Teaching program “Fourier”, 2026</translation>
    </message>
    <message>
        <source>Название программы</source>
        <translation>Name of the program</translation>
    </message>
    <message>
        <source>Перерисовывать</source>
        <translation>Redraw</translation>
    </message>
    <message>
        <source>Перерисовывать при каждом изменении</source>
        <translation>Redraw on every change</translation>
    </message>
    <message>
        <source>Часть гармоники k, рисуемая отдельно</source>
        <translation>Part of harmonic k drawn on its own</translation>
    </message>
    <message>
        <source>График пуст: выберите функцию и нажмите «Анализ»</source>
        <translation>The graph is empty: choose a function and press “Analysis”</translation>
    </message>
    <message>
        <source>Спектр пуст: анализа ещё не было</source>
        <translation>The spectrum is empty: nothing has been analysed yet</translation>
    </message>
    <message>
        <source>Состояние</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Ничего не построено</source>
        <translation>Nothing plotted</translation>
    </message>
    <message>
        <source>Спектр, гармоники 0…%1. %2.</source>
        <translation>Spectrum, harmonics 0…%1. %2.</translation>
    </message>
    <message>
        <source>Функции</source>
        <translation>Functions</translation>
    </message>
    <message>
        <source>Гармоники спектра: </source>
        <translation>Spectrum harmonics: </translation>
    </message>
    <message>
        <source>Анализ  и синтез Фурье</source>
        <translation>Fourier analysis and synthesis</translation>
    </message>
    <message>
        <source>Выберите функцию</source>
        <translation>Choose a function</translation>
    </message>
    <message>
        <source>&amp;Сброс</source>
        <translation>&amp;Reset</translation>
    </message>
    <message>
        <source>Не рисовать</source>
        <translation>Don’t draw</translation>
    </message>
    <message>
        <source>&amp;Анализ</source>
        <translation>&amp;Analysis</translation>
    </message>
    <message>
        <source>построить график и спектр</source>
        <translation>plot the graph and the spectrum</translation>
    </message>
    <message>
        <source>&amp;Синтез</source>
        <translation>&amp;Synthesis</translation>
    </message>
    <message>
        <source>Синтез он и в африке синтез</source>
        <translation>Synthesis is synthesis, even in Africa</translation>
    </message>
    <message>
        <source>Свободу студентам!</source>
        <translation>Freedom for the students!</translation>
    </message>
</context>
<context>
    <name>Toolkit</name>
    <message>
        <source>Фурье</source>
        <translation>Fourier</translation>
    </message>
    <message>
        <source>Неизвестная ошибка</source>
        <translation>Unknown error</translation>
    </message>
</context>
</TS>